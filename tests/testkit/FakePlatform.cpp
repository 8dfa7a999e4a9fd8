#include "testkit/FakePlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QWidget>

namespace testkit {

int FakeDialogs::msgBox(const QString& prompt, int style, const QString& title)
{
    const ShownBox box{prompt, style, title};
    boxes.append(box);
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
    if (values.empty())
        return 0.0;
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

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

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

} // namespace testkit
