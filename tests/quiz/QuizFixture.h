#pragma once
// Drives the real quiz window as the player does, and holds the one body of
// each kind of check the game programs share; each program brings its data
// tables (one row per case) and the small lambdas that answer its games.
#include "app/Crypte.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "quiz/CarteDep.h"
#include "quiz/PixelFile.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"
#include "testkit/FakePlatform.h"
#include "testkit/Sandbox.h"

#include <QFile>
#include <QTest>
#include <functional>
#include <memory>

struct Reglages {
    QString jeu = QStringLiteral("1");
    int niveau = 0;        // 0 easy, 1 hard
    int tps = 1;           // 0 unlimited, 1 limited
    QString sec = QStringLiteral(" 31");
    int nbQuest = 0;       // 0 fixed, 1 all
    QString nombre = QStringLiteral(" 10");
    int son = 1;           // the sound switch during play: 1 off (only the verdicts are heard), 2 on
};

// Stores the settings in the chooser's controls, as "Jouer !" leaves them,
// and clears the quiz state as picking a game does.
void choisis(const Reglages& r);

using testkit::colonnes;

// The draws that ask département n, région r, the right proposal at place p.
inline double tirage96(int n) { return (n - 0.5) / 96; }
inline double tirage22(int r) { return (r - 0.5) / 22; }
inline double position(int p) { return (p - 0.5) / 3; }
inline QString num(int n) { return QString::number(n); }

// Games asking départements (their map, pixel files and "Toutes" count); the others ask régions.
bool departementsJeu(int g);
// The countdown's first tick paints the asked item; a verdict then wipes the map.
bool aideColorie(int g, int niveau);
// Games answered by a click on the map, or by one of three proposals.
bool jeuCarte(int g);
inline bool jeuChoix(int g) { return g >= 27 && g <= 30; }
// Games that report the player's errors.
bool jeuRapport(int g);

// Writes a pixel file of the application folder from (x, y, département) triples
// (inline: the tutorial tests use it too).
inline void ecritPixels(const QString& name, std::initializer_list<std::array<int, 3>> points,
                        const QByteArray& extra = {})
{
    QFile file(platform::appFile(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const auto& p : points)
        file.write(EcritPointCarte(p[0], p[1], p[2]));
    file.write(extra);
}
// One pixel file per département, each in its own column: a click at (d, 10) hits département d.
void colonnesDepartements();
// The départements of a région, in ascending index.
QList<int> departements(int region);

// Types an answer and presses Enter.
void tape(CarteDep* c, const QString& texte);
// Picks an entry of the answer list and presses its OK button.
void choisitDansListe(CarteDep* c, const QString& texte);
// Moves the mouse over a map pixel and clicks.
void clique(CarteDep* c, int x, int y);
// Fills the answer boxes (D for numbers, ND for names) and presses Enter.
void saisit(CarteDep* c, bool noms, const QStringList& textes);
// Answers the question one way: "entree" types the text and presses Enter; "liste" picks it in
// the list (an empty text presses OK with nothing picked); "ok" types it and presses the list's
// OK button; "nesaispas" types it and presses "Je ne sais pas"; "temps" types it and lets the
// last two seconds run out.
void repond(CarteDep* c, const QString& voie, const QString& texte);
// How one question of a whole game is answered (see QuizFixture::partie).
enum class Coup { Juste, Faux, Refus, JusteApresNeSaisPas };
// Answers a typed or listed question with the right or a wrong text; refused: "zzz" typed, or OK
// with nothing picked; the right text typed, then "Je ne sais pas" (picked, from a list).
void repondTexte(CarteDep* c, Coup coup, const QString& juste, const QString& faux);
// The report's lines under its three heading lines (none while it is not loaded).
QStringList lignesRapport();
// The caption over the question: the question frame's, or the boxes' frame in games 19 and 21.
QString enTete(CarteDep* c);
// Checks a message box (a default one when the box was never shown).
void verifieBoite(const testkit::ShownBox& box, const QString& prompt, int style, const QString& title);
// What is wrong with the window's layout: a visible control outside its container, two visible
// controls of one container overlapping (beyond the one-pixel contact of the design), a text that
// does not fit its control. Empty when all is well.
QStringList defautsDeDisposition(QWidget* fenetre);

inline const QString kJuste = QStringLiteral("Bonne Réponse !");
inline const QString kDatee = QStringLiteral("Le  15/ 3/ 2024 à 14 h 5   -   Geomira");

// The stage of a quiz test and the bodies of its shared checks. The bodies
// read their columns with QFETCH; the colonnes… functions declare them and
// the ligne… functions add one row.
class QuizFixture {
public:
    void ouvre();
    void ferme();

    // Opens the real quiz window on a game; the draws ask the given items in turn.
    CarteDep* lance(const Reglages& r, const QList<double>& tirages = {});
    // Unloads every window and forgets the boxes and sounds, then opens another game.
    CarteDep* relance(const Reglages& r, const QList<double>& tirages = {});

    // The first question of a game. Easy rows play untimed with 10 questions; hard rows
    // play timed with "Toutes". score and barre: tops (twips) of the score frame and of
    // the time bar; controles: the answer controls shown ("Info Rep OK ListRep Choix Blason").
    // The report's summary is the tooltip written "R :", unless the game words it otherwise.
    static void colonnesQuestion();
    void jeu(int g, const QString& infobulle, const QString& aideFacile, const QString& aideDifficile,
             const QString& resume = {});
    void ligneQuestion(const char* nom, int niveau, int n, const QString& question, const QString& controles,
                       int score, int barre = 0);
    void question();

    // One answer judged in a message box, or refused (message empty); voie as repond, or
    // "choix" (the right proposal, the second) and "autre" (the third). ligne: the report
    // line; avant: written before the box opens.
    static void colonnesVerdict();
    static void ligneVerdict(const char* nom, int g, int niveau, int tps, int n, const QString& saisie,
                             const char* voie, const QString& message = {}, int style = 64,
                             const QString& ligne = {}, bool avant = true);
    void verdict();

    // One answer on the map: département d clicked (0 "Je ne sais pas", -1 time over) while
    // item n is asked; the verdict panel's caption and text; juste: the answer counts right.
    static void colonnesCarte();
    static void ligneCarte(const char* nom, int g, int niveau, int n, int d, const QString& titre,
                           const QString& solu, bool juste = false);
    void verdictCarte();

    // The département boxes of the first question on Rhône-Alpes, then of a question on Corse:
    // numeros and noms hold the texts of Rhône-Alpes's first box and Corse's two (empty list:
    // hidden); saisie the column that takes the answer ("D", "ND" or none); gauches the
    // left edges (twips) of the number and name columns and, in games 15 to 18, of the marks;
    // titre the frame's caption.
    static void colonnesCases();
    static void ligneCases(const char* nom, int g, int niveau, const QStringList& numeros, const QStringList& noms,
                           const QString& saisie, const QList<int>& gauches, const QString& titre);
    void cases();

    // Five questions: right, wrong, "Je ne sais pas", refused then time over, right again;
    // or all right. score: the closing score; erreurs: the report's error lines (0: no report).
    using Reponse = std::function<void(CarteDep* c, int n, Coup coup)>;
    static void colonnesPartie();
    static void lignePartie(int g, int niveau, int erreurs, const QString& score = QStringLiteral(" 2/ 5 soit  40 % "));
    static void lignePartieJuste(int g, int niveau);
    void partie(const Reponse& repondre);

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    int masquages = 0;  // the map wiped by the answer checks since the game opened

private:
    struct Textes {
        int g = 0;
        QString infobulle, resume, aideFacile, aideDifficile;
    } textes_;
};
