#pragma once
// The quiz window: every game is played in it.
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "quiz/LibelleAjuste.h"
#include "quiz/MapBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTimer>
#include <array>

class Menu;

class CarteDep : public platform::FormWindow {
    Q_OBJECT
public:
    CarteDep();

    void Form_Load() override;

    // Countdown (and opening step of every question).
    void Timer1_Timer();
    // Map.
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_Click();
    // Answers.
    void Rep_KeyPress(int16_t& KeyAscii);
    void D_KeyPress(int Index, int16_t& KeyAscii);
    void ND_KeyPress(int Index, int16_t& KeyAscii);
    void Choix_Click(int Index);
    void ListRepOk_Click();
    void NoSais_Click();
    void btnOK_Click();
    void Abandon_Click();

    // Question cycle.
    void PoseQuestion();
    void CorrigeReponse();
    void FinDePartie();

    // Painting of the asked and clicked items.
    void ColorieTirage();
    void ColorieErreurDep();
    void ColorieErreurReg();

    // Game routines by block of five.
    void PoseQuestionJeux6a10();
    void PoseQuestionJeux11a15();
    void PoseQuestionJeux16a20();
    void PoseQuestionJeux21a25();
    void PoseQuestionJeux26a30();
    void PoseQuestionJeu31();
    virtual void CorrigeJeux1a5();
    virtual void CorrigeJeux6a10();
    virtual void CorrigeJeux11a15();
    virtual void CorrigeJeux16a20();
    virtual void CorrigeJeux21a25();
    virtual void CorrigeJeux26a30();
    virtual void CorrigeJeu31();

    // True once the game has ended or been given up: no tick and no input
    // reaches an answer check any more.
    bool partieTerminee() const { return partieTerminee_; }

    MapBox* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    QGroupBox* aide;
    QLabel* LblAide;
    QGroupBox* Question;
    LibelleAjuste* LblQuest;
    QGroupBox* Info;
    std::array<QLineEdit*, 8> D{};
    std::array<QLineEdit*, 8> ND{};
    std::array<QLabel*, 8> Etat{};
    QGroupBox* Reponse;
    QLineEdit* Rep;
    QComboBox* ListRep;
    QPushButton* ListRepOk;
    platform::TimeBar* Temps;
    QGroupBox* Score;
    QLabel* Note;
    QPushButton* NoSais;
    std::array<QPushButton*, 3> Choix{};
    QLabel* Blason;
    QGroupBox* Solution;
    QLabel* Solu;
    QPushButton* btnOK;
    QPushButton* Abandon;
    QTimer* Timer1;
    QStatusBar* StatusBar2;

    // ---- Shared by the game routines of every block.
    // The game settings, read from the game chooser's controls.
    QString Jeu();            // game number text, "1".."31"
    double NumJeu();          // its numeric value
    bool NiveauFacile();      // Niveau(0)
    bool NiveauDifficile();   // Niveau(1)
    bool TempsIllimite();     // Tps(0)
    bool TempsLimite();       // Tps(1)
    bool NbQuestFixe();       // NbQuest(0)
    bool NbQuestToutes();     // NbQuest(1)

    // Wipes the painting off the map and brings the window to the front, as
    // hiding and showing it again would, without moving it.
    void MasqueEtMontre();
    // Shows a map picture of the application folder in place of the painted
    // map; a missing picture leaves the map blank.
    void ChargeCarte(const QString& nom);
    // Moves a control vertically (twips, within its container).
    static void PlaceHaut(QWidget* control, int topTwips);
    // Paints every pixel of a pixel file in one colour.
    void PeintFichier(char famille, int numero, QColor couleur);
    // Loads the report window and writes one line to it.
    static void LigneRapport(const QString& texte, bool gras, bool italique, bool souligne, int taille, long couleur);
    // End of a game with errors: the dated line, then the report window.
    void MontreRapport();
    // The countdown's opening step at the end of every question's set-up.
    void EtapeOuverture();
    // The report heading of a game's first question (title in red, summary, empty line).
    static void EnteteRapport(const QString& jeu, const QString& resume);
    // Draws an item of 1..nbItems not asked yet; before every draw, writes the
    // heading (when given) at the game's first question and ends the game when
    // every question has been asked. False when the game has ended.
    bool TireQuestion(int nbItems, const QString& resumeRapport = QString());
    // "Question  3/ 10 :"
    void NumeroteQuestion();
    // The help panel: its caption says whether help is on.
    void MontreAide(const QString& facile, const QString& difficile);
    // A report line of an error: plain, size 10, blue.
    static void LigneErreur(const QString& texte);
    // Plays a sound of the application folder.
    static void Son(const QString& nom);
    // After a verdict: repaint when asked, empty Rep, count, rewrite the score, next question.
    void Compte(float& compteur, bool repeint);
    // A right answer of a game judged in a message box: sound, "Bonne Réponse !", counted.
    void BonneReponse(bool repeint);
    // The verdict of a map question on its panel, which covers what lies under it;
    // "Je ne sais pas" and "Abandon" wait for the panel's OK.
    void MontreVerdict(const QString& titre, const QString& texte, int16_t etat);
    // A typed département number: "2B"/"2A" in any case with blanks around, or a
    // number whose nearest whole number (a half to the even one) is 1..95 other
    // than 20; 0 when the text names no département.
    static int NumeroSaisi(const QString& texte);
    // Whether the typed text, which names département f (NumeroSaisi), answers n:
    // "2B"/"2A" by the index they name, any other text by its own value, so that
    // "7.5" names 8 and answers none.
    static bool NumeroJuste(const QString& texte, int f, int n);
    // Index 1..96 of the first table entry equal to the text in capitals; 0 when none.
    static int Recherche(const std::array<QString, 98>& table, const QString& texte);
    static bool Egal(const QString& a, const QString& b);

signals:
    void carteEffacee();  // by MasqueEtMontre

protected:
    void hideEvent(QHideEvent* event) override;

private:
    Menu* reglages();
    bool partieTerminee_ = false;
};

// Score text of the quiz window's label: " 2/ 3 soit  66.67 % ".
// Games with fractions of a point show the right answers rounded to 2 decimals.
QString TexteScore(float bonnes, float fausses, bool arrondiBonnes = false);
// The dated closing line of a report: "Le  5/ 12/ 2026 à 14 h 7   -   Geomira".
QString LigneDatee(const QDateTime& moment);
// Index 1..7 of the answer-check block of a game number (0 < g < 6 → 1, ..., g > 30 → 7), 0 for none.
int BlocCorrection(double g);
// Whether a game is in one of the engine's lists.
bool JeuAvecRapport(const QString& jeu);
bool JeuCliqueCarte(const QString& jeu);
