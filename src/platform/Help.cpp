#include "platform/Help.h"

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/HelpContent.h"
#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace platform {

namespace {

const QString HelpTitle = QStringLiteral("Aide");
// Our help file is read in a fraction of a second, even in the sanitizer build.
constexpr int DefaultReadTimeLimitMs = 5000;
int readTimeLimitMs = DefaultReadTimeLimitMs;

enum class Reading { Read, Damaged, NoReader };

// chmlib crashes or loops forever on some damaged files: the reader runs it in a process of its
// own, so that such a file costs at most the time limit, after which the reader is killed with
// whatever it started (its own process group).
Reading readHelpFile(const QString& chmPath, std::optional<HelpContent>* help)
{
    QProcess reader;
    reader.setStandardInputFile(QProcess::nullDevice());
    // What the reader says when it fails (a sanitizer's report, say) is of no use to the user.
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.setChildProcessModifier([] { ::setpgid(0, 0); });
    reader.start(helpReaderProgram(), {chmPath}, QIODevice::ReadOnly);
    if (!reader.waitForStarted())
        return Reading::NoReader;
    const qint64 group = reader.processId();
    auto killGroup = [group] {
        if (group > 1) // never our own group (0), nor every process (-1)
            ::kill(pid_t(-group), SIGKILL);
    };
    const auto atEnd = qScopeGuard(killGroup);
    auto giveUp = [&reader, &killGroup] {
        killGroup();
        reader.waitForFinished(1000);
        return Reading::Damaged;
    };
    const QDeadlineTimer deadline(readTimeLimitMs);
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
    if (succeeded)
        *help = HelpContent::fromBytes(output);
    return *help && ChmBrowser::canShow(**help, (*help)->defaultTopic) ? Reading::Read : Reading::Damaged;
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
        std::optional<HelpContent> help;
        switch (readHelpFile(chmPath, &help)) {
        case Reading::Read: break;
        case Reading::NoReader:
            MsgBox(QStringLiteral("Le lecteur d'aide est introuvable :\r\n") + helpReaderProgram(), vbExclamation, HelpTitle);
            return;
        case Reading::Damaged:
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
    return appFile(QStringLiteral("geomira-helpreader"));
}

void setHelpReadTimeLimit(int milliseconds)
{
    readTimeLimitMs = milliseconds > 0 ? milliseconds : DefaultReadTimeLimitMs;
}

Help& Help::real()
{
    static ViewerHelp help;
    return help;
}

} // namespace platform
