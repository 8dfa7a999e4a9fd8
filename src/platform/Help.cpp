#include "platform/Help.h"

#include "platform/Dialogs.h"
#include "platform/HelpContent.h"
#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

namespace platform {

namespace {

const QString HelpTitle = QStringLiteral("Aide");
// Our help file is read in a fraction of a second, even in the sanitizer build.
constexpr int ReadTimeLimitMs = 5000;

QString& readerOverride()
{
    static QString path;
    return path;
}

// chmlib crashes or loops forever on some damaged files: the reader runs it in a process of its
// own, so that such a file costs at most the time limit, after which the reader is killed.
std::optional<HelpContent> readHelpFile(const QString& chmPath)
{
    QProcess reader;
    reader.setStandardInputFile(QProcess::nullDevice());
    // What the reader says when it fails (a sanitizer's report, say) is of no use to the user.
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.start(helpReaderProgram(), {chmPath}, QIODevice::ReadOnly);
    auto giveUp = [&reader]() -> std::optional<HelpContent> {
        reader.kill();
        reader.waitForFinished(1000);
        return std::nullopt;
    };
    const QDeadlineTimer deadline(ReadTimeLimitMs);
    QByteArray output;
    while (reader.waitForReadyRead(int(deadline.remainingTime()))) {
        output += reader.readAllStandardOutput();
        if (output.size() > HelpContent::MaxSize)
            return giveUp();
    }
    if (reader.state() != QProcess::NotRunning && !reader.waitForFinished(int(deadline.remainingTime())))
        return giveUp();
    output += reader.readAllStandardOutput();
    const bool succeeded = reader.error() == QProcess::UnknownError && reader.exitStatus() == QProcess::NormalExit
                        && reader.exitCode() == 0;
    if (!succeeded)
        return std::nullopt;
    return HelpContent::fromBytes(output);
}

// One help window for the whole program, reused while it stays open.
class ViewerHelp final : public Help {
public:
    void show(QWidget* owner, const QString& chmPath) override
    {
        const QFileInfo info(chmPath);
        if (!info.isFile()) {
            MsgBox(QStringLiteral("Le fichier d'aide est introuvable :\r\n") + chmPath, vbExclamation, HelpTitle);
            return;
        }
        if (viewer_ && QFileInfo(viewer_->fileName()) == info) {
            viewer_->present(owner);
            return;
        }
        std::optional<HelpContent> help = readHelpFile(chmPath);
        if (!help) {
            MsgBox(QStringLiteral("Le fichier d'aide est illisible ou endommagé :\r\n") + chmPath, vbExclamation, HelpTitle);
            return;
        }
        if (viewer_)
            delete viewer_.data(); // another help file was open
        viewer_ = new HelpViewer(std::move(*help), chmPath, owner);
        // A help window opened without an owner must not outlive the application.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer_, [viewer = viewer_] { delete viewer.data(); });
        viewer_->present(owner);
    }

private:
    QPointer<HelpViewer> viewer_;
};

} // namespace

QString helpReaderProgram()
{
    if (!readerOverride().isEmpty())
        return readerOverride();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("geomira-helpreader"));
}

void setHelpReaderProgram(const QString& path) { readerOverride() = path; }

Help& Help::real()
{
    static ViewerHelp help;
    return help;
}

} // namespace platform
