// The whole program played as a user would, with the real services (boxes,
// sounds, pictures, help) and the real countdown: start-up, first launch, a
// game of each block to its end, each tutorial, then quitting from the hub.
// The boxes are answered from the event loop, some only after ticks have
// come under them. Passes when every step ran and the process ends with 0.
#include "Driving.h"
#include "app/Application.h"
#include "app/Didacticiel.h"
#include "app/Geomira.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "quiz/CarteDep.h"
#include "tutorials/DidacDept.h"
#include "tutorials/DidacReg.h"
#include "tutorials/DidacPop.h"
#include "tutorials/DidacPop2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <deque>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using driving::hubShown;

struct Step {
    const char* what;
    std::function<bool()> ready;
    std::function<void()> act;
};

class Player : public QObject {
public:
    explicit Player(std::deque<Step> steps) : steps_(std::move(steps))
    {
        // Two timers: a step may open a box, and a timer is not run again
        // while its own handler waits for the box.
        connect(&stepTimer_, &QTimer::timeout, this, &Player::nextStep);
        connect(&boxTimer_, &QTimer::timeout, this, &Player::answerBoxes);
        stepTimer_.start(40);
        boxTimer_.start(40);
        clock_.start();
    }
    bool finished() const { return steps_.empty() && failures_ == 0; }
    void fail(const QString& why)
    {
        ++failures_;
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(why));
    }
    int failures_ = 0;

private:
    void nextStep()
    {
        if (clock_.elapsed() > 60000) {
            fail(u"still waiting for: "_s + QString::fromLatin1(steps_.empty() ? "-" : steps_.front().what));
            steps_.clear();
            win::UnloadAll();
            return;
        }
        if (steps_.empty() || QApplication::activeModalWidget() || !steps_.front().ready())
            return;
        const Step step = steps_.front();
        steps_.pop_front();
        std::fprintf(stderr, "%6.2f s  %s\n", clock_.elapsed() / 1000.0, step.what);
        step.act();
    }

    // Every box is answered with its first button, but a refusal, which is
    // left open for the countdown to run out under it: the time-out closes it.
    void answerBoxes()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box->windowTitle() == u"Erreur de Saisie"_s) {
            if (held_ != box) {
                held_ = box;
                heldSince_.start();
                ++heldBoxes_;
            } else if (heldSince_.elapsed() > 6000) {
                fail(u"the time-out left the refusal box open"_s);
                box->buttons().first()->click();
            }
            return;
        }
        std::fprintf(stderr, "         box \"%s\"\n", qPrintable(box->windowTitle()));
        if (box->windowTitle() == u"Aide"_s)
            fail(box->text());
        box->buttons().first()->click();
    }

    std::deque<Step> steps_;
    QTimer stepTimer_;
    QTimer boxTimer_;
    QElapsedTimer clock_;
    QPointer<QMessageBox> held_;
    QElapsedTimer heldSince_;

public:
    int heldBoxes_ = 0;
};

std::deque<Step> script()
{
    const auto quiz = [] { return win::CarteDep.isLoaded() && win::CarteDep.ifLoaded()->isVisible(); };
    const auto toGame = [](int game) {
        // One question, easy, with the shortest limit.
        return Step{"a game", hubShown, [game] { driving::playGame(game, 0, 3); }};
    };
    std::deque<Step> steps = {
        {"title screen", [] { return true; }, [] { win::Geomira.Show(); }},
        {"to the hub", [] { return win::Geomira.isVisible(); }, [] { win::Geomira->Label3_Click(); }},
        // First launch: the archive is unpacked, then the chooser opens.
        toGame(1),
        {"game 1: refused, then the time runs out", quiz, [] {
             CarteDep* c = win::CarteDep.ifLoaded();
             c->Rep->setText(u"Paris2"_s);
             int16_t key = 13;
             c->Rep_KeyPress(key);
         }},
        {"game 1 over: the report closed", [] { return win::Rapport.isVisible(); },
         [] { win::Rapport->Fermer->click(); }},
    };
    const std::pair<int, Step> games[] = {
        {7, {"game 7: don't know", quiz, [] { win::CarteDep->NoSais->click(); }}},
        {11, {"game 11: don't know", quiz, [] { win::CarteDep->NoSais->click(); }}},
        {16, {"game 16: a refused number left open under the countdown", quiz, [] {
                  CarteDep* c = win::CarteDep.ifLoaded();
                  c->D[0]->setText(u"99"_s);
                  int16_t key = 13;
                  c->D_KeyPress(0, key);
              }}},
        {21, {"game 21: don't know", quiz, [] { win::CarteDep->NoSais->click(); }}},
        {28, {"game 28: a proposal", quiz, [] { win::CarteDep->Choix[0]->click(); }}},
        {31, {"game 31: the time runs out", quiz, [] {}}},
    };
    for (const auto& [game, play] : games) {
        steps.push_back(toGame(game));
        steps.push_back(play);
        // Back on the hub, through the report when the game left one.
        steps.push_back({"game over", [] { return hubShown() || win::Rapport.isVisible(); }, [] {
                             if (win::Rapport.isVisible())
                                 win::Rapport->Fermer->click();
                         }});
    }

    const auto tutorial = [](int choice, int family) {
        return Step{"a tutorial", hubShown, [choice, family] {
                        win::Sommaire->Didac->click();
                        Didacticiel* chooser = win::Didacticiel.ifLoaded();
                        chooser->Didac[choice]->click();
                        if (family >= 0)
                            chooser->SupPop[family]->click();
                        chooser->Ok->click();
                    }};
    };
    QElapsedTimer* pause = new QElapsedTimer;  // freed with the last step
    const auto after = [pause](int ms) { return [pause, ms] { return pause->isValid() && pause->elapsed() > ms; }; };
    steps.insert(steps.end(), {
        tutorial(0, -1),
        {"départements tutorial: next item", [] { return win::DidacDept.isVisible(); },
         [pause] { win::DidacDept->plus->click(); pause->start(); }},
        {"départements tutorial: stop", after(400), [] { win::DidacDept->Stop->click(); }},
        tutorial(1, -1),
        {"régions tutorial: next item", [] { return win::DidacReg.isVisible(); },
         [pause] { win::DidacReg->plus->click(); pause->start(); }},
        {"régions tutorial: stop", after(1200), [] { win::DidacReg->Stop->click(); }},
        tutorial(2, 0),
        {"statistics of the départements", [] { return win::DidacPop.isVisible(); }, [] { win::DidacPop->Retour->click(); }},
        tutorial(2, 1),
        {"statistics of the régions", [] { return win::DidacPop2.isVisible(); }, [] { win::DidacPop2->Retour->click(); }},
        {"help from the hub", hubShown, [] { win::Sommaire->aide->click(); }},
        {"quit from the hub", hubShown, [pause] {
             delete pause;
             win::Sommaire->close();
         }},
    });
    return steps;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication(app);
    QTemporaryDir folder;
    driving::copyWithoutData(qEnvironmentVariable("GEOMIRA_APP_DIR"), folder.path());
    platform::setAppPath(folder.path());

    Player player(script());
    const int status = QApplication::exec();
    if (player.heldBoxes_ != 1)
        player.fail(u"the refusal box was shown %1 times"_s.arg(player.heldBoxes_));
    if (!player.finished()) {
        std::fprintf(stderr, "FAIL: the program was not played to its end\n");
        return 1;
    }
    std::fprintf(stderr, "played to the end, the event loop returned %d\n", status);
    return status;
}
