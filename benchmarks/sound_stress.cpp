// Plays the program's sounds in quick succession, cutting one another, and
// quits while some still play, in as many processes as asked: every one must
// end with status 0. Run it through a sound server (tests/play/play-with-sound.sh):
//   sound_stress <runs> <folder with the .wav files>
#include "platform/Sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

// One short session: about forty sounds, some a few milliseconds apart, the
// quit falling while the last one plays.
int playOnce(const QStringList& sounds)
{
    auto* random = QRandomGenerator::global();
    int left = 30 + random->bounded(20);
    std::function<void()> next = [&] {
        platform::PlaySound(sounds.at(random->bounded(sounds.size())));
        if (--left == 0)
            QTimer::singleShot(random->bounded(60), qApp, &QCoreApplication::quit);
        else
            QTimer::singleShot(random->bounded(3) == 0 ? random->bounded(150) : random->bounded(8), qApp, next);
    };
    QTimer::singleShot(0, qApp, next);
    const int threads = threadCount();
    const int status = QCoreApplication::exec();
    // The audio thread must have ended with the event loop, before the application object goes.
    return status != 0 ? status : threadCount() == threads ? 0 : 4;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--once")) {
        QStringList sounds;
        for (const QString& name : QDir(args[2]).entryList({QStringLiteral("*.wav")}, QDir::Files)) {
            // A sound refused before playing would prove nothing.
            if (!platform::plausibleWave(QDir(args[2]).filePath(name)))
                return 3;
            sounds.append(QDir(args[2]).filePath(name));
        }
        return sounds.isEmpty() ? 2 : playOnce(sounds);
    }
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: sound_stress <runs> <folder with .wav files>\n");
        return 2;
    }
    const int runs = args[1].toInt();
    int failed = 0;
    for (int run = 1; run <= runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), args[2]});
        const bool ended = child.waitForFinished(60000);
        if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            ++failed;
            std::fprintf(stderr, "run %d: %s %d\n", run, ended ? (child.exitStatus() == QProcess::CrashExit ? "crashed, signal" : "exit status") : "hung", child.exitCode());
            if (!ended)
                child.kill(), child.waitForFinished();
        }
    }
    std::printf("%d runs, %d failed\n", runs, failed);
    return failed == 0 ? 0 : 1;
}
