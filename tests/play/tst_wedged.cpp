// A sound server that takes the connection and never answers, as a stopped or
// wedged daemon does: the program goes on at once, silent, and quits with
// status 0. libpulse waits half a minute for an answer; the program, played
// in a child process, must be done long before.
#include "Driving.h"
#include "app/Application.h"
#include "app/Geomira.h"
#include "platform/FileSystem.h"

#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Fails the child when a step held the windows for a second or more.
bool atOnce(const char* what, const std::function<void()>& step)
{
    QElapsedTimer clock;
    clock.start();
    step();
    std::fprintf(stderr, "%s: %lld ms\n", what, static_cast<long long>(clock.elapsed()));
    return clock.elapsed() < 1000;
}

// The player: from the title to a timed game, whose opening tick is the first
// sound, a refused answer, then every window closed.
int child(QApplication& app)
{
    PrepareApplication(app);
    QTemporaryDir folder;
    driving::copyWithoutData(qEnvironmentVariable("GEOMIRA_APP_DIR"), folder.path());
    platform::setAppPath(folder.path());
    driving::BoxAnswerer boxes(0);
    win::Geomira.Show();
    win::Geomira->Label3_Click();
    if (!QTest::qWaitFor(driving::hubShown, 20000))
        return 10;
    win::Sommaire->Play->click();
    if (!QTest::qWaitFor([] { return win::Menu.isVisible(); }, 20000))
        return 11;
    if (!atOnce("\"Jouer !\" with its opening tick", [] { driving::chooseGame(1, 1, 8); })
        || !win::CarteDep.isVisible())
        return 12;
    if (!atOnce("a refused answer", [] {
            win::CarteDep->Rep->setText(u"Paris2"_s);
            int16_t enter = 13;
            win::CarteDep->Rep_KeyPress(enter);
        }))
        return 13;
    QTimer::singleShot(0, [] { win::UnloadAll(); });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().contains(u"--child"_s))
        return child(app);

    // Connections wait in its backlog: nothing here reads them while the child plays.
    QTemporaryDir runtime;
    QLocalServer silent;
    if (!silent.listen(runtime.filePath(u"native"_s)))
        return 2;
    QProcess player;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PULSE_SERVER"_s, u"unix:"_s + silent.fullServerName());
    player.setProcessEnvironment(environment);
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start(QCoreApplication::applicationFilePath(), {u"--child"_s});
    const bool ended = player.waitForFinished(20000);
    if (!ended) {
        player.kill();
        player.waitForFinished();
    }
    const bool passed = ended && player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0;
    std::fprintf(stderr, "%s, exit status %d\n", !ended ? "FAIL: the program hung" : passed ? "went on and quit" : "FAIL",
                 player.exitCode());
    return passed ? 0 : 1;
}
