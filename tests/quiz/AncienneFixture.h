#pragma once
// Sets up the game chooser's settings and a folder of pixel files for quiz tests.
#include "app/Crypte.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Rapport.h"
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
#include <QTextEdit>
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

// Counts the repaints of the answer checks (the map wiped) and the times the
// quiz window is hidden.
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
    QObject::connect(c, &CarteDep::carteEffacee, &masquages, [&masquages] { ++masquages.hides; });
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

// The report's lines under its three heading lines (none while it is not loaded).
inline QStringList lignesRapport()
{
    Rapport* rapport = win::Rapport.ifLoaded();
    if (!rapport)
        return {};
    QStringList lines = rapport->RichTextBox1->toPlainText().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.mid(3);
}

// One pixel file per département, each in its own column: a click at (d, 10) hits département d.
inline void colonnesDepartements()
{
    for (int d = 1; d <= 96; ++d)
        ecritPixels(QStringLiteral("F%1.dat").arg(d), {{{d, 10, d}}});
}

// Checks a message box (a default one when the box was never shown).
inline void verifieBoite(const testkit::ShownBox& box, const QString& prompt, int style, const QString& title)
{
    QCOMPARE(box.prompt, prompt);
    QCOMPARE(box.style, style);
    QCOMPARE(box.title, title);
}

// Unloads every window and forgets the boxes and sounds, to start another game in the same test.
inline void videPartie(testkit::FakePlatform& fake)
{
    win::UnloadAll();
    testkit::flushDeletes();
    fake.dialogs.boxes.clear();
    fake.sound.played.clear();
    fake.dialogs.onBox = nullptr;
}

// Answers the question one way: "entree" types the text and presses Enter, "liste" picks it in
// the list (an empty text presses OK with nothing picked), "nesaispas" types it and presses
// "Je ne sais pas", "temps" types it and lets the last two seconds run out.
inline void repond(CarteDep* c, const QString& voie, const QString& texte)
{
    if (voie == QLatin1String("liste")) {
        if (texte.isEmpty())
            c->ListRepOk_Click();
        else
            choisitDansListe(c, texte);
        return;
    }
    if (voie == QLatin1String("entree")) {
        tape(c, texte);
        return;
    }
    c->Rep->setText(texte);
    if (voie == QLatin1String("nesaispas")) {
        c->NoSais_Click();
    } else {
        c->Timer1_Timer();
        c->Timer1_Timer();
    }
}
