#pragma once
// Sets up the game chooser's settings and a folder of pixel files for quiz tests.
#include "app/Crypte.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "platform/Screen.h"
#include "quiz/CarteDep.h"
#include "quiz/PixelFile.h"
#include "quiz/QuizState.h"
#include "testkit/FakePlatform.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct Reglages {
    QString jeu = QStringLiteral("1");
    int niveau = 0;        // 0 easy, 1 hard
    int tps = 1;           // 0 unlimited, 1 limited
    QString sec = QStringLiteral(" 31");
    int nbQuest = 0;       // 0 fixed, 1 all
    QString nombre = QStringLiteral(" 10");
};

// Stores the settings in the chooser's controls, as "Jouer !" leaves them,
// and clears the quiz state as picking a game does.
inline void choisis(const Reglages& r)
{
    Menu* menu = &*win::Menu;
    menu->Label4->setText(r.jeu);
    menu->Niveau[r.niveau]->setChecked(true);
    menu->Tps[r.tps]->setChecked(true);
    menu->Sec->setText(r.sec);
    menu->NbQuest[r.nbQuest]->setChecked(true);
    menu->ListNbQ->clear();
    menu->ListNbQ->addItem(r.nombre);
    menu->ListNbQ->setCurrentIndex(0);
    DejaPose.fill(0);
    NbBonnes = 0;
    NbFausses = 0;
    EtatSon = 2;
}

// Writes a pixel file of the application folder from (x, y, département) triples.
inline void ecritPixels(const QString& name, std::initializer_list<std::array<int, 3>> points, const QByteArray& extra = {})
{
    QFile file(platform::appFile(name));
    file.open(QIODevice::WriteOnly);
    for (const auto& p : points)
        file.write(EcritPointCarte(p[0], p[1], p[2]));
    file.write(extra);
}

// A quiz window whose answer checks only record that they ran.
class CarteEnregistree : public CarteDep {
public:
    QStringList appels;
    std::function<void()> pendant;  // runs inside the check
    void note(const char* name)
    {
        appels << QString::fromLatin1(name);
        if (pendant)
            pendant();
    }
    void CorrigeJeux1a5() override { note("1a5"); }
    void CorrigeJeux6a10() override { note("6a10"); }
    void CorrigeJeux11a15() override { note("11a15"); }
    void CorrigeJeux16a20() override { note("16a20"); }
    void CorrigeJeux21a25() override { note("21a25"); }
    void CorrigeJeux26a30() override { note("26a30"); }
    void CorrigeJeu31() override { note("31"); }
};

// Counts the times the quiz window is hidden (the repaint of the answer checks).
class CompteMasquages : public QObject {
public:
    int hides = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

// Opens the real quiz window on a game with a silent countdown (only the
// verdict sounds are recorded); the draws ask the given items in turn.
inline CarteDep* lancePartie(testkit::FakePlatform& fake, CompteMasquages& masquages, const Reglages& r,
                             std::initializer_list<double> tirages = {})
{
    win::Menu.Load();
    choisis(r);
    EtatSon = 1;
    fake.random.values.assign(tirages.begin(), tirages.end());
    win::CarteDep.Show();
    CarteDep* c = win::CarteDep.ifLoaded();
    c->installEventFilter(&masquages);
    masquages.hides = 0;
    return c;
}

// Types an answer and presses Enter.
inline void tape(CarteDep* c, const QString& texte)
{
    c->Rep->setText(texte);
    int16_t key = 13;
    c->Rep_KeyPress(key);
}

// Picks an entry of the answer list and presses its OK button.
inline void choisitDansListe(CarteDep* c, const QString& texte)
{
    const int index = c->ListRep->findText(texte, Qt::MatchFixedString);
    QVERIFY2(index >= 0, qPrintable(texte));
    c->ListRep->setCurrentIndex(index);
    c->ListRepOk_Click();
}

// Moves the mouse over a map pixel and clicks.
inline void clique(CarteDep* c, int x, int y)
{
    platform::Screen& screen = platform::TheScreen();
    c->Picture1_MouseMove(0, 0, float(x * screen.twipsPerPixelX()), float(y * screen.twipsPerPixelY()));
    c->Picture1_Click();
}
