#include "quiz/CarteDep.h"

#include "app/AjouteLigne.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "quiz/PixelFile.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"

#include <QHideEvent>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using platform::placeTw;
using platform::Str;

namespace {

const QString CRLF = u"\r\n"_s;

bool among(const QString& g, std::initializer_list<const char*> games)
{
    for (const char* game : games) {
        if (g == QLatin1String(game))
            return true;
    }
    return false;
}

// The proposal lists of the answer list, in the order the player sees them.
const char16_t* const kPrefectures[96] = {
    u"Agen", u"Ajaccio", u"Albi", u"Alençon", u"Amiens", u"Angers", u"Angoulême", u"Annecy", u"Arras", u"Auch",
    u"Aurillac", u"Auxerre", u"Avignon", u"Bar Le Duc", u"Bastia", u"Beauvais", u"Belfort", u"Besançon", u"Blois",
    u"Bobigny", u"Bordeaux", u"Bourg en Bresse", u"Bourges", u"Caen", u"Cahors", u"Carcassonne",
    u"Chalons en Champagne", u"Chambéry", u"Charleville-Mézières", u"Chartres", u"Châteauroux", u"Chaumont",
    u"Clermont Ferrand", u"Colmar", u"Créteil", u"Digne les Bains", u"Dijon", u"Epinal", u"Evreux", u"Evry", u"Foix",
    u"Gap", u"Grenoble", u"Guéret", u"La Roche sur Yon", u"La Rochelle", u"Laon", u"Laval", u"Le Mans",
    u"Le Puy en Velay", u"Lille", u"Limoges", u"Lons le Saunier", u"Lyon", u"Macon", u"Marseille", u"Melun", u"Mende",
    u"Metz", u"Mont de Marsan", u"Montauban", u"Montpellier", u"Moulins", u"Nancy", u"Nanterre", u"Nantes", u"Nevers",
    u"Nice", u"Nîmes", u"Niort", u"Orléans", u"Paris", u"Pau", u"Périgueux", u"Perpignan", u"Poitiers", u"Pontoise",
    u"Privas", u"Quimper", u"Rennes", u"Rodez", u"Rouen", u"Saint-Brieuc", u"Saint-Etienne", u"Saint-Lô",
    u"Strasbourg", u"Tarbes", u"Toulon", u"Toulouse", u"Tours", u"Troyes", u"Tulle", u"Valence", u"Vannes",
    u"Versailles", u"Vesoul"};
const char16_t* const kRegions[22] = {
    u"Alsace", u"Aquitaine", u"Auvergne", u"Basse Normandie", u"Bourgogne", u"Bretagne", u"Centre",
    u"Champagne-Ardenne", u"Corse", u"Franche-Comté", u"Ile de France", u"Languedoc-Roussillon", u"Limousin",
    u"Lorraine", u"Midi-Pyrénées", u"Nord-Pas de Calais", u"Haute Normandie", u"Pays de la Loire", u"Picardie",
    u"Poitou-Charentes", u"Provence-Alpes-Côte d'Azur", u"Rhône-Alpes"};
const char16_t* const kPrefecturesRegionales[22] = {
    u"Ajaccio", u"Amiens", u"Besançon", u"Bordeaux", u"Caen", u"Chalons en Champagne", u"Clermont Ferrand", u"Dijon",
    u"Lille", u"Limoges", u"Lyon", u"Marseille", u"Metz", u"Montpellier", u"Nantes", u"Orléans", u"Paris", u"Poitiers",
    u"Rennes", u"Rouen", u"Strasbourg", u"Toulouse"};

template <size_t N>
void remplit(QComboBox* list, const char16_t* const (&items)[N])
{
    for (const char16_t* item : items)
        list->addItem(QString::fromUtf16(item));
}

QGroupBox* cadre(QWidget* parent, const QString& caption, int l, int t, int w, int h)
{
    auto* frame = new QGroupBox(caption, parent);
    placeTw(frame, l, t, w, h);
    return frame;
}

QLabel* etiquette(QWidget* parent, int l, int t, int w, int h, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(align);
    placeTw(label, l, t, w, h);
    return label;
}

void couleurTexte(QWidget* control, QColor couleur)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, couleur);
    control->setPalette(palette);
}

} // namespace

CarteDep::CarteDep()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11910, 8085);

    Picture1 = new MapBox(this);
    placeTw(Picture1, 120, 120, 7095, 7455);
    Picture1->setPicture(platform::storedPicture(u":/stored/carte_departements.gif"_s, QSize(449, 483)));
    Label2 = new QLabel(u"Les Départements Français"_s, Picture1);
    Label2->setFont(platform::designFont(u"Arial"_s, 12, true, true));
    Label2->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTw(Label2, 240, 6960, 3495, 495);

    Label1 = etiquette(this, 7440, 120, 4335, 375, Qt::AlignCenter);
    Label1->setText(u"Jeu n° : "_s);
    Label1->setFont(platform::designFont(u"MS Sans Serif"_s, 10, true));
    couleurTexte(Label1, QColor(255, 0, 0));

    aide = cadre(this, u"Aide"_s, 7440, 480, 4335, 975);
    LblAide = etiquette(aide, 120, 240, 4095, 615);

    Question = cadre(this, u"Question : "_s, 7440, 1560, 4335, 1095);
    LblQuest = new LibelleAjuste(Question);
    LblQuest->setWordWrap(true);
    LblQuest->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTw(LblQuest, 120, 240, 4095, 735);
    couleurTexte(LblQuest, QColor(0, 0, 255));

    Info = cadre(this, u"Pour Infos :"_s, 7440, 2760, 4335, 3495);
    Info->hide();
    for (int k = 0; k < 8; ++k) {
        D[k] = new QLineEdit(Info);
        D[k]->setAlignment(Qt::AlignCenter);
        placeTw(D[k], 120, 480 + 360 * k, 495, 285);
        ND[k] = new QLineEdit(Info);
        placeTw(ND[k], 720, 480 + 360 * k, 2775, 285);
        if (k % 2 == 1) {
            for (QLineEdit* box : {D[k], ND[k]})
                box->setStyleSheet(u"background-color: rgb(128, 255, 255);"_s);
        }
        D[k]->hide();
        ND[k]->hide();
        Etat[k] = new QLabel(Info);
        Etat[k]->setScaledContents(true);
        placeTw(Etat[k], 3600, 480 + 360 * k, 375, k == 1 ? 345 : 375);
        connect(D[k], &QLineEdit::returnPressed, this, [this, k] {
            int16_t key = 13;
            D_KeyPress(k, key);
        });
        connect(ND[k], &QLineEdit::returnPressed, this, [this, k] {
            int16_t key = 13;
            ND_KeyPress(k, key);
        });
    }

    Reponse = cadre(this, u"Réponse"_s, 7440, 2880, 4335, 975);
    Rep = new QLineEdit(Reponse);
    Rep->setAlignment(Qt::AlignCenter);
    placeTw(Rep, 240, 360, 3495, 375);
    ListRep = new QComboBox(Reponse);
    ListRep->setEditable(false);
    ListRep->setMaxVisibleItems(20);
    ListRep->setGeometry(platform::tw(240), platform::tw(360), platform::tw(3495), ListRep->sizeHint().height());
    ListRep->hide();
    ListRepOk = new QPushButton(u"OK"_s, Reponse);
    placeTw(ListRepOk, 3840, 360, 420, 375);

    Temps = new platform::TimeBar(this);
    placeTw(Temps, 7440, 4080, 4335, 375);
    Temps->hide();

    Score = cadre(this, u"Score :"_s, 8880, 4560, 2895, 735);
    Note = etiquette(Score, 120, 240, 2655, 375, Qt::AlignCenter);
    Note->setFont(platform::designFont(u"MS Sans Serif"_s, 8, true));

    NoSais = new QPushButton(u"Je ne sais pas"_s, this);
    placeTw(NoSais, 7440, 4680, 1215, 375);
    for (int k = 0; k < 3; ++k) {
        Choix[k] = new QPushButton(this);
        placeTw(Choix[k], 8640, 4800 + 480 * k, 1815, 375);
        Choix[k]->hide();
        connect(Choix[k], &QPushButton::clicked, this, [this, k] { Choix_Click(k); });
    }
    Blason = new QLabel(this);
    Blason->setScaledContents(true);
    placeTw(Blason, 8400, 3000, 2620, 1775);
    Blason->hide();

    Solution = cadre(this, u"Solution"_s, 7320, 6480, 4455, 1095);
    Solu = etiquette(Solution, 120, 240, 3495, 735);
    btnOK = new QPushButton(u"OK"_s, Solution);
    placeTw(btnOK, 3720, 480, 495, 375);
    Solution->hide();
    // The verdict panel covers whatever lies under it (the score of some games).
    Solution->setAutoFillBackground(true);

    Abandon = new QPushButton(u"Abandon"_s, this);
    placeTw(Abandon, 10440, 7200, 1215, 375);

    StatusBar2 = new platform::BottomStatusBar(this);
    StatusBar2->showMessage(u"Bonne chance !"_s);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer1->start();

    connect(Timer1, &QTimer::timeout, this, &CarteDep::Timer1_Timer);
    connect(Picture1, &MapBox::mouseMoved, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, float x, float y) { Picture1_MouseMove(int(b), int(m), x, y); });
    connect(Picture1, &MapBox::clicked, this, &CarteDep::Picture1_Click);
    connect(Rep, &QLineEdit::returnPressed, this, [this] {
        int16_t key = 13;
        Rep_KeyPress(key);
    });
    connect(ListRepOk, &QPushButton::clicked, this, &CarteDep::ListRepOk_Click);
    connect(NoSais, &QPushButton::clicked, this, &CarteDep::NoSais_Click);
    connect(btnOK, &QPushButton::clicked, this, &CarteDep::btnOK_Click);
    connect(Abandon, &QPushButton::clicked, this, &CarteDep::Abandon_Click);
}

// ---------------------------------------------------------------- settings

Menu* CarteDep::reglages()
{
    // Once the game is over the chooser may be gone: never bring it back.
    if (partieTerminee_)
        return win::Menu.ifLoaded();
    return &*win::Menu;
}

QString CarteDep::Jeu()
{
    Menu* menu = reglages();
    return menu ? menu->Label4->text() : QString();
}

double CarteDep::NumJeu() { return platform::Val(Jeu()); }

#define GEOMIRA_OPTION(name, array, index)       \
    bool CarteDep::name()                         \
    {                                             \
        Menu* menu = reglages();                  \
        return menu && menu->array[index]->isChecked(); \
    }
GEOMIRA_OPTION(NiveauFacile, Niveau, 0)
GEOMIRA_OPTION(NiveauDifficile, Niveau, 1)
GEOMIRA_OPTION(TempsIllimite, Tps, 0)
GEOMIRA_OPTION(TempsLimite, Tps, 1)
GEOMIRA_OPTION(NbQuestFixe, NbQuest, 0)
GEOMIRA_OPTION(NbQuestToutes, NbQuest, 1)
#undef GEOMIRA_OPTION

// ---------------------------------------------------------------- load

void CarteDep::Form_Load()
{
    win::Rapport.Unload();
    platform::SupprimeFermeture(this, true);
    RemplitTables();

    const QString g = Jeu();
    if (among(g, {"5", "6", "9"})) {
        ListRep->clear();
        remplit(ListRep, kPrefectures);
    }
    if (among(g, {"14", "19", "21", "24", "31"})) {
        ListRep->clear();
        remplit(ListRep, kRegions);
    }
    if (among(g, {"25", "26"}))
        remplit(ListRep, kPrefecturesRegionales);
    ListRep->setCurrentIndex(-1);  // a freshly filled list has no item chosen

    if (TempsLimite()) {
        Temps->setMax(float(platform::Val(reglages()->Sec->text().trimmed())));
        Temps->setValue(Temps->Max());
    }
    PoseQuestion();
}

void CarteDep::hideEvent(QHideEvent* event)
{
    // Hiding the window loses whatever was drawn on the map.
    if (!event->spontaneous())
        Picture1->clearPixels();
    platform::FormWindow::hideEvent(event);
}

void CarteDep::MasqueEtMontre()
{
    // What hiding and showing the window again did, the window staying where
    // it is: the painting wiped off the map, the window in front.
    Picture1->clearPixels();
    emit carteEffacee();
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void CarteDep::ChargeCarte(const QString& nom)
{
    Picture1->setPicture(QPixmap::fromImage(platform::LoadPicture(platform::appFile(nom))));
}

void CarteDep::PlaceHaut(QWidget* control, int topTwips) { control->move(control->x(), platform::tw(topTwips)); }

// ---------------------------------------------------------------- question cycle

void CarteDep::PoseQuestion()
{
    if (partieTerminee_)
        return;
    if (NbQuestFixe())
        NbQuestions = platform::CInt(platform::Val(reglages()->ListNbQ->currentText()));
    Temps->setValue(Temps->Max());
    platform::setTimerEnabled(Timer1, true);
    NeSaisPas = 0;
    DepTrouve = 0;  // no click of an earlier question may stand for this one
    platform::Randomize();

    const double g = NumJeu();
    if (5 < g && g < 11)
        PoseQuestionJeux6a10();
    if (10 < NumJeu() && NumJeu() < 16)
        PoseQuestionJeux11a15();
    if (15 < NumJeu() && NumJeu() < 21)
        PoseQuestionJeux16a20();
    if (20 < NumJeu() && NumJeu() < 26)
        PoseQuestionJeux21a25();
    if (25 < NumJeu() && NumJeu() < 31)
        PoseQuestionJeux26a30();
    if (30 < NumJeu() && NumJeu() < 36)
        PoseQuestionJeu31();

    const QString jeu = Jeu();
    if (!among(jeu, {"1", "2", "3", "4", "5"}))
        return;
    const int n1a5 = jeu.toInt();

    static const char16_t* const kInfobulles[5] = {
        u"Q: Numéro d'un département  -  R: Nom du département",
        u"Q: Nom d'un département  -  R: Numéro du département",
        u"Q: Numéro d'un département  -  R: Positionner le département",
        u"Q: Nom d'un département  -  R: Positionner le département",
        u"Q: Numéro d'un département  -  R: Nom de la préfecture départementale"};
    static const char16_t* const kResumes[5] = {
        u"Q: Numéro d'un département  -  R : Nom du département",
        u"Q: Nom d'un département  -  R : Numéro du département", nullptr, nullptr,
        u"Q: Numéro d'un département  -  R : Nom de la préfecture départementale"};

    Label1->setToolTip(QString::fromUtf16(kInfobulles[n1a5 - 1]));
    if (n1a5 == 3 || n1a5 == 4) {
        Reponse->hide();
        Abandon->show();
    }
    if (n1a5 == 5)
        ListRep->setCurrentIndex(-1);
    SolutionVue = 0;
    DepClique = 0;

    if (n1a5 == 1 || n1a5 == 2 || n1a5 == 5) {
        if (TempsIllimite()) {
            PlaceHaut(Score, 4080);
            PlaceHaut(NoSais, 4250);
        }
    } else {
        if (TempsIllimite()) {
            PlaceHaut(Score, 2880);
            PlaceHaut(NoSais, 3050);
        } else {
            PlaceHaut(Temps, 2880);
            PlaceHaut(Score, 3320);
            PlaceHaut(NoSais, 3500);
        }
    }
    if (NbQuestToutes())
        NbQuestions = 96;
    if (!TireQuestion(96, (n1a5 == 1 || n1a5 == 2 || n1a5 == 5) ? QString::fromUtf16(kResumes[n1a5 - 1]) : QString()))
        return;
    const int n = int(Tirage);
    const QString numero = NumeroDep(n);
    const QString numeroTexte = (n == 20 || n == 96) ? u" "_s + numero : Str(n);

    Label1->setText(u"Jeu n° "_s + jeu);
    switch (n1a5) {
    case 1:
        LblQuest->setText(CRLF + u"Quel est le nom du département n°"_s + numeroTexte);
        break;
    case 2:
        LblQuest->setText(u"Quel est le n° du département :"_s + CRLF + NomDep[n]);
        break;
    case 3:
        if (NiveauDifficile())
            LblQuest->setText(u"Placer le département n°"_s + numeroTexte);
        if (NiveauFacile())
            LblQuest->setText(u"Placer le département n°"_s + numeroTexte + CRLF + NomDep[n]);
        break;
    case 4:
        if (NiveauDifficile())
            LblQuest->setText(u"Placer le département "_s + NomDep[n]);
        if (NiveauFacile())
            LblQuest->setText(u"Placer le département "_s + CRLF + NomDep[n] + u" ("_s + numero + u")"_s);
        break;
    case 5:
        if (NiveauDifficile()) {
            if (n == 20)
                LblQuest->setText(u"Quel est le nom de la préfecture du "_s + CRLF + u"département 2B"_s);
            else if (n == 96)
                LblQuest->setText(u"Quel est le nom du la préfecture du "_s + CRLF + u"département 2A"_s);
            else
                LblQuest->setText(u"Quel est le nom de la préfecture du"_s + CRLF + u"département n°"_s + Str(n));
        }
        if (NiveauFacile()) {
            ListRep->show();
            ListRepOk->show();
            Rep->hide();
            const QString departement = (n == 20 || n == 96) ? u"département "_s + numero : u"département n°"_s + Str(n);
            LblQuest->setText(u"Quel est le nom de la préfecture du"_s + CRLF + departement + CRLF + NomDep[n]);
        }
        break;
    }

    NumeroteQuestion();

    static const char16_t* const kAideFacile[5] = {
        u"Colorie le département", u"Colorie le département", u"Indique le nom du département",
        u"Indique le numéro du département", u"Colorie le département, donne son nom et la liste des préfectures"};
    static const char16_t* const kAideDifficile[5] = {
        u"Ne colorie pas le département", u"Ne colorie pas le département", u"N'indique pas le nom du département",
        u"N'indique pas le numéro du département",
        u"Ne colorie pas le département, ne donne pas son nom ni la liste des préfectures"};
    MontreAide(QString::fromUtf16(kAideFacile[n1a5 - 1]), QString::fromUtf16(kAideDifficile[n1a5 - 1]));
    EtapeOuverture();
}

void CarteDep::EnteteRapport(const QString& jeu, const QString& resume)
{
    LigneRapport(u"Correction de vos erreurs pour ce jeu n° "_s + jeu + u" :"_s, true, false, true, 12, 255);
    LigneRapport(resume, false, false, false, 10, 0);
    LigneRapport(QString(), false, false, false, 10, 0xFF0000);
}

bool CarteDep::TireQuestion(int nbItems, const QString& resumeRapport)
{
    // The heading is written once, at the game's first question.
    if (!resumeRapport.isEmpty() && NbBonnes + NbFausses == 0)
        EnteteRapport(Jeu(), resumeRapport);
    for (;;) {
        const float s = NbBonnes + NbFausses;
        // All questions asked, or no item left to ask: the game ends.
        if (s >= NbQuestions || std::count(DejaPose.begin() + 1, DejaPose.begin() + nbItems + 1, int16_t(0)) == 0) {
            FinDePartie();
            return false;
        }
        float r = float(platform::Rnd());
        if (r >= 1.0f)
            r = std::nextafter(1.0f, 0.0f);  // a generator rounding up must not draw item nbItems + 1
        Tirage = float(platform::Int(r * nbItems + 1));
        if (DejaPose[int(Tirage)] == 1)
            continue;
        DejaPose[int(Tirage)] = 1;
        TempsEcoule = 0;
        return true;
    }
}

void CarteDep::NumeroteQuestion()
{
    Question->setTitle(u"Question "_s + Str(NbBonnes + NbFausses + 1) + u"/"_s + Str(int(NbQuestions)) + u" :"_s);
}

void CarteDep::MontreAide(const QString& facile, const QString& difficile)
{
    if (NiveauFacile()) {
        aide->setTitle(u"Aide Activée."_s);
        LblAide->setText(facile);
    } else {
        LblAide->setText(difficile);
        aide->setTitle(u"Aide Non Activée."_s);
    }
}

void CarteDep::LigneErreur(const QString& texte) { LigneRapport(texte, false, false, false, 10, 0xFF0000); }

void CarteDep::Son(const QString& nom) { platform::PlaySound(platform::appFile(nom)); }

void CarteDep::Compte(float& compteur, bool repeint)
{
    if (repeint)
        MasqueEtMontre();
    Rep->clear();
    compteur += 1;
    Note->setText(TexteScore(NbBonnes, NbFausses));
    PoseQuestion();
}

void CarteDep::BonneReponse(bool repeint)
{
    Son(u"Message.wav"_s);
    platform::MsgBox(u"Bonne Réponse !"_s, platform::vbInformation, u"Exact !"_s);
    Compte(NbBonnes, repeint);
}

void CarteDep::MontreVerdict(const QString& titre, const QString& texte, int16_t etat)
{
    Solution->setTitle(titre);
    Solu->setText(texte);
    EtatCarte = etat;
    Solution->raise();
    Solution->show();
    NoSais->hide();
    Abandon->hide();
}

bool CarteDep::Egal(const QString& a, const QString& b) { return platform::UCase(a) == platform::UCase(b); }

int CarteDep::Recherche(const std::array<QString, 98>& table, const QString& texte)
{
    const QString majuscules = platform::UCase(texte);
    for (int i = 1; i <= 96; ++i) {
        if (platform::UCase(table[i]) == majuscules)
            return i;
    }
    return 0;
}

int CarteDep::NumeroSaisi(const QString& texte)
{
    const QString code = platform::UCase(texte.trimmed());
    if (code == u"2B"_s)
        return 20;
    if (code == u"2A"_s)
        return 96;
    if (!platform::IsNumeric(texte))
        return 0;
    const double v = platform::Val(texte);
    if (v <= 0 || v >= 96)
        return 0;
    // A value that rounds to 20 or 96 would name Corsica, which is typed "2B" and "2A" only.
    const int f = int(platform::RoundHalfEven(v));
    return f == 20 || f == 96 ? 0 : f;
}

bool CarteDep::NumeroJuste(const QString& texte, int f, int n)
{
    if (f == 0)
        return false;
    if (f == 20 || f == 96)
        return f == n;
    return float(platform::Val(texte)) == float(n);
}

void CarteDep::EtapeOuverture()
{
    if (TempsLimite()) {
        Timer1_Timer();
        Temps->setValue(Temps->Value() - 1);
    }
    if (TempsIllimite()) {
        Timer1_Timer();
        if (float(Temps->Max() - 2) < Temps->Value())
            Temps->setValue(Temps->Value() - 1);
    }
}

// ---------------------------------------------------------------- countdown

void CarteDep::Timer1_Timer()
{
    if (partieTerminee_)
        return;
    const QString g = Jeu();
    if (float(Temps->Max() - 2) == Temps->Value() && NiveauFacile()
        && among(g, {"1", "2", "5", "6", "10", "11", "15", "17", "19", "21", "24", "25", "27", "28", "29", "30", "31"}))
        ColorieTirage();
    if (float(Temps->Max() - 2) == Temps->Value() && among(g, {"7", "8", "9", "14", "16", "18", "26"}))
        ColorieTirage();
    if (TempsLimite()) {
        if (EtatSon == 2)
            platform::PlaySound(platform::appFile(Temps->Value() > 4 ? u"clock.wav"_s : u"beep.wav"_s));
        Temps->show();
        Temps->setValue(Temps->Value() - 1);
        if (Temps->Value() == 0) {
            platform::setTimerEnabled(Timer1, false);
            // A box the question's answer check left open (an input error)
            // belongs to a question that the time-out now settles.
            platform::closeBoxesOf(this);
            TempsEcoule = 1;
            CorrigeReponse();
        }
    }
    if (TempsIllimite()) {
        if (float(Temps->Max() - 2) < Temps->Value())
            Temps->setValue(Temps->Value() - 1);
    }
}

// ---------------------------------------------------------------- painting

void CarteDep::PeintFichier(char famille, int numero, QColor couleur)
{
    for (const PointCarte& point : LitPointsCarte(FichierPixels(famille, numero), false))
        Picture1->setPixel(point.x, point.y, couleur);
}

void CarteDep::ColorieTirage()
{
    const bool region = among(Jeu(), {"13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25",
                                      "26", "29", "30", "31"});
    PeintFichier(region ? 'R' : 'D', platform::CInt(Tirage), QColor(0, 235, 0));
}

void CarteDep::ColorieErreurDep()
{
    PeintFichier('D', DepClique, QColor(250, 0, 0));
    PeintFichier('D', platform::CInt(Tirage), QColor(0, 235, 0));
}

void CarteDep::ColorieErreurReg()
{
    const int clique = (DepClique >= 0 && DepClique <= 97) ? NumRegionDep[DepClique] : 0;
    PeintFichier('R', clique, QColor(250, 0, 0));
    PeintFichier('R', platform::CInt(Tirage), QColor(0, 235, 0));
}

// ---------------------------------------------------------------- map hit test

void CarteDep::Picture1_MouseMove(int, int, float X, float Y)
{
    platform::Screen& screen = platform::TheScreen();
    SourisX = int16_t(platform::CLng(X) / platform::CLng(screen.twipsPerPixelX()));
    SourisY = int16_t(platform::CLng(Y) / platform::CLng(screen.twipsPerPixelY()));
}

void CarteDep::Picture1_Click()
{
    if (SolutionVue == 1 || partieTerminee_)
        return;
    if (!JeuCliqueCarte(Jeu()))
        return;
    DepTrouve = 0;
    const QString path = FichierPixels('F', SourisX);
    if (platform::Fso().FileExists(path)) {
        for (const PointCarte& point : LitPointsCarte(path, true)) {
            // A record that is not three numbers, or names no département, is no hit.
            if (!point.valide || point.departement < 1 || point.departement > 96)
                continue;
            if (point.x == SourisX && point.y == SourisY) {
                DepTrouve = 1;
                DepClique = int16_t(point.departement);
            }
        }
    }
    if (DepTrouve == 1)
        NomDepClique = NomDep[DepClique];
    CorrigeReponse();
    if (DepTrouve == 1)
        SolutionVue = 1;
}

// ---------------------------------------------------------------- answers

int BlocCorrection(double g)
{
    if (0 < g && g < 6)
        return 1;
    if (5 < g && g < 11)
        return 2;
    if (10 < g && g < 16)
        return 3;
    if (15 < g && g < 21)
        return 4;
    if (20 < g && g < 26)
        return 5;
    if (25 < g && g < 31)
        return 6;
    if (g > 30)
        return 7;
    return 0;
}

void CarteDep::CorrigeReponse()
{
    // A verdict on the panel stands until btnOK counts it: a click or an Enter
    // meanwhile judges nothing again.
    if (partieTerminee_ || !Solution->isHidden())
        return;
    switch (BlocCorrection(NumJeu())) {
    case 1: CorrigeJeux1a5(); break;
    case 2: CorrigeJeux6a10(); break;
    case 3: CorrigeJeux11a15(); break;
    case 4: CorrigeJeux16a20(); break;
    case 5: CorrigeJeux21a25(); break;
    case 6: CorrigeJeux26a30(); break;
    case 7: CorrigeJeu31(); break;
    default: break;
    }
}

void CarteDep::Rep_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii == 13 && Rep->text().size() > 0) {
        KeyAscii = 0;
        CorrigeReponse();
    }
}

void CarteDep::D_KeyPress(int, int16_t& KeyAscii)
{
    if (KeyAscii == 13) {
        KeyAscii = 0;
        CorrigeReponse();
    }
}

void CarteDep::ND_KeyPress(int, int16_t& KeyAscii)
{
    if (KeyAscii == 13) {
        KeyAscii = 0;
        CorrigeReponse();
    }
}

void CarteDep::Choix_Click(int Index)
{
    Rep->setText(Choix[Index]->text());
    CorrigeReponse();
}

void CarteDep::ListRepOk_Click()
{
    if (ListRep->isHidden()) {
        int16_t key = 13;
        Rep_KeyPress(key);
        return;
    }
    if (ListRep->currentIndex() == -1)
        return;
    Rep->setText(ListRep->currentText());
    CorrigeReponse();
}

void CarteDep::NoSais_Click()
{
    NeSaisPas = 1;
    CorrigeReponse();
    if (partieTerminee_)
        return;
    // Only a box the player can see takes the focus (Rep may sit in a hidden frame).
    if (float(NbBonnes + NbFausses) < NbQuestions && !among(Jeu(), {"3", "4"}) && Rep->isVisibleTo(this))
        Rep->setFocus();
}

void CarteDep::btnOK_Click()
{
    Solution->hide();
    NoSais->show();
    float* compteur = nullptr;
    if (EtatCarte == 1)
        compteur = &NbBonnes;
    else if (EtatCarte == 2 || EtatCarte == 3)
        compteur = &NbFausses;
    if (!compteur)
        return;
    MasqueEtMontre();
    Rep->clear();
    *compteur += 1;
    Note->setText(TexteScore(NbBonnes, NbFausses));
    PoseQuestion();
}

// ---------------------------------------------------------------- end of game

bool JeuAvecRapport(const QString& jeu)
{
    return among(jeu, {"1", "2", "5", "6", "10", "11", "15", "17", "19", "21", "24", "25", "27", "28", "29", "30"});
}

bool JeuCliqueCarte(const QString& jeu) { return among(jeu, {"3", "4", "12", "13", "20", "22", "23"}); }

QString TexteScore(float bonnes, float fausses, bool arrondiBonnes)
{
    const float total = bonnes + fausses;
    const float pourcentage = bonnes / total * 100;
    return Str(arrondiBonnes ? platform::Round(bonnes, 2) : bonnes) + u"/"_s + Str(total) + u" soit "_s + Str(platform::Round(pourcentage, 2)) + u" % "_s;
}

QString LigneDatee(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return u"Le "_s + Str(date.day()) + u"/"_s + Str(date.month()) + u"/"_s + Str(date.year()) + u" à"_s
        + Str(time.hour()) + u" h"_s + Str(time.minute()) + u"   -   "_s + u"Geomira"_s;
}

void CarteDep::LigneRapport(const QString& texte, bool gras, bool italique, bool souligne, int taille, long couleur)
{
    AjouteLigne(win::Rapport->RichTextBox1, texte, gras, italique, souligne, int16_t(taille), int32_t(couleur));
}

void CarteDep::MontreRapport()
{
    // No time-out may judge a question while the report is up.
    platform::setTimerEnabled(Timer1, false);
    LigneRapport(QString(), false, false, false, 8, 0);
    LigneRapport(LigneDatee(platform::Now()), false, false, false, 8, 0);
    win::Rapport.Show();
}

void CarteDep::FinDePartie()
{
    const QString jeu = Jeu();
    // The game is over before its message: the countdown can judge nothing more.
    platform::setTimerEnabled(Timer1, false);
    partieTerminee_ = true;
    platform::MsgBox(u"Plus de Question à posée."_s + CRLF + u"Vous avez obtenu un score de :"_s + CRLF + CRLF
                         + Note->text() + u" de réussite."_s,
                     platform::vbInformation, u"Terminé"_s);
    hide();
    if (JeuAvecRapport(jeu) && NbFausses != 0) {
        MontreRapport();
    } else {
        win::Menu.Unload();
        win::Sommaire.Unload();
        win::Sommaire.Show();
    }
}

void CarteDep::Abandon_Click()
{
    if (partieTerminee_)
        return;
    const QString jeu = Jeu();
    // The countdown waits while the player answers.
    const bool enMarche = Timer1->isActive();
    platform::setTimerEnabled(Timer1, false);
    if (platform::MsgBox(u"Vous avez décidez d'abandonner ce jeu n°"_s + jeu, platform::vbYesNo + platform::vbQuestion,
                         u"Abandon ?"_s)
        == platform::vbNo) {
        platform::setTimerEnabled(Timer1, enMarche);
        return;
    }
    partieTerminee_ = true;
    if (!Note->text().isEmpty())
        platform::MsgBox(u"Abandon demandé par le joueur."_s + CRLF + u"Vous avez obtenu un score de :"_s + CRLF + CRLF
                             + Note->text() + u" de réussite."_s,
                         platform::vbInformation, u"Terminé"_s);
    else
        platform::MsgBox(u"Abandon demandé par le joueur."_s, platform::vbInformation, u"Terminé"_s);
    hide();
    if (JeuAvecRapport(jeu) && !Note->text().isEmpty() && NbFausses != 0) {
        MontreRapport();
    } else {
        win::Menu.Unload();
        win::Sommaire.Unload();
        win::Rapport.Unload();
        win::Sommaire.Show();
    }
}
