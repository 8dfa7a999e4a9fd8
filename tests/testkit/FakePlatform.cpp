#include "testkit/FakePlatform.h"

#include "platform/Fonts.h"

#include <QCoreApplication>
#include <cmath>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <QWidget>

namespace testkit {

struct FakeDialogs::Waiting {
    QEventLoop loop;
    int result = 0;
    bool answered = false;
};

void FakeDialogs::answer(int result)
{
    if (waiting_.empty())
        return;
    Waiting* box = waiting_.back();
    box->result = result;
    box->answered = true;
    box->loop.quit();
}

QStringList FakeDialogs::shown() const
{
    QStringList lines;
    for (const ShownBox& box : boxes)
        lines << QStringLiteral("%1 [%2] %3").arg(box.title).arg(box.style).arg(box.prompt);
    return lines;
}

int FakeDialogs::msgBox(const QString& prompt, int style, const QString& title)
{
    const ShownBox box{prompt, style, title};
    boxes.append(box);
    if (waits) {
        Waiting open;
        waiting_.push_back(&open);
        platform::setCloseOfOpenBox([this, &open] {
            ++closedByProgram;
            open.loop.quit();
        });
        QTimer::singleShot(0, &open.loop, [this, box] {
            if (onBox)
                onBox(box);
        });
        open.loop.exec();
        waiting_.erase(std::find(waiting_.begin(), waiting_.end(), &open));
        // Unanswered, the program closed it: MsgBox gives the box's cancelling answer.
        return open.answered ? open.result : platform::vbCancel;
    }
    if (onBox)
        onBox(box);
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0x0F) == platform::vbYesNo || (style & 0x0F) == platform::vbYesNoCancel ? platform::vbYes
                                                                                           : platform::vbOK;
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    boxes.append({prompt, -1, title});
    if (inputs.empty())
        return defaultText;
    const QString text = inputs.front();
    inputs.pop_front();
    return text;
}

QStringList FakeSound::names() const
{
    QStringList result;
    for (const QString& path : played)
        result.append(QFileInfo(path).fileName());
    return result;
}

double FakeRandom::next()
{
    ++draws;
    if (values.empty()) {
        // Unscripted draws walk evenly over [0, 1) so that a draw loop always ends.
        const double golden = 0.6180339887498949;
        return std::fmod(draws * golden, 1.0);
    }
    const double value = values.front();
    values.pop_front();
    return value;
}

QImage FakePictures::load(const QString& path)
{
    loaded.append(path);
    if (missing.contains(QFileInfo(path).fileName()))
        return QImage();
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        // A recognisable stand-in so that tests need no picture files.
        image = QImage(16, 16, QImage::Format_RGB32);
        image.fill(Qt::magenta);
    }
    return image;
}

bool FakePrinter::print(platform::Printout& printout, QString* error, QPageLayout::Orientation orientation)
{
    if (!available) {
        if (error)
            *error = QStringLiteral("Aucune imprimante n'est disponible sur cet ordinateur.\r\nRien n'a été imprimé.");
        return false;
    }
    printed.append(printout.plainText());
    if (pdfPath.isEmpty())
        return true;
    platform::PdfPrinter pdf(pdfPath, paper());
    return pdf.print(printout, error, orientation);
}

FakePlatform::FakePlatform()
{
    // The program's own fonts, so that layouts are checked as the player sees them.
    static const bool fonts = (platform::installFontSubstitutions(), true);
    Q_UNUSED(fonts);
}
FakePlatform::~FakePlatform() = default;

void pinRowLocale()
{
    const QString tag = QString::fromUtf8(QTest::currentDataTag());
    const qsizetype at = tag.lastIndexOf(QStringLiteral("locale "));
    QLocale::setDefault(at < 0 ? QLocale(QLocale::French, QLocale::France) : QLocale(tag.mid(at + 7)));
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString screenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("GEOMIRA_SCREENSHOTS");
    if (folder.isEmpty() || !widget)
        return QString();
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    widget->grab().save(path);
    return path;
}

QString pdfText(const QString& pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace testkit
