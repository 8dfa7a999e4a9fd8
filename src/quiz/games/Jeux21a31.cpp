// Games 21 to 31: régions from their départements, regional préfectures,
// areas and populations, coats of arms.
#include "quiz/CarteDep.h"
#include "quiz/games/TextesJeux.h"

#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;
using namespace jeux;
using platform::MsgBox;
using platform::Str;
using platform::tw;

namespace {

const QString kCarteRegions = u"GeomiraRegV.gif"_s;
const QString kCarteDepartements = u"GeomiraDepV.gif"_s;
const QString kTitreRegions = u"Les Régions Françaises"_s;
const QString kTitreDepartements = u"Les Départements Français"_s;

// Index 1..22 of the first région table entry equal to the text in capitals; 0 when none.
int chercheRegion(const std::array<QString, 24>& table, const QString& texte)
{
    const QString majuscules = platform::UCase(texte);
    for (int i = 1; i <= 22; ++i) {
        if (platform::UCase(table[i]) == majuscules)
            return i;
    }
    return 0;
}

// A whole number 1..n from the next random number.
int tire(int n)
{
    float r = float(platform::Rnd());
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);
    return std::clamp(int(platform::Int(float(r * float(n) + 1.0f))), 1, n);  // in single precision, as the item draw
}

// The header of a question: "Question  3/ 10 :".
QString enTete()
{
    return u"Question "_s + Str(NbBonnes + NbFausses + 1) + u"/"_s + Str(int(NbQuestions)) + u" :"_s;
}

void place(QWidget* control, int leftTwips, int topTwips) { control->move(tw(leftTwips), tw(topTwips)); }

// The layout of the games whose score and "Je ne sais pas" stand under the
// map's right-hand panel, with the time bar shortened beside "Abandon".
void placeEnBas(CarteDep& c)
{
    if (c.TempsLimite()) {
        place(c.Temps, 7440, 7200);
        c.Temps->resize(tw(2900), c.Temps->height());
    }
    place(c.Score, 7440, 6480);
    place(c.NoSais, 10440, 6600);
}

// A density or an evolution as the locale writes a number: no blank, no
// thousands separator, no decimal part for a whole value.
QString ecritNombre(float valeur)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString texte = locale.toString(double(valeur), 'g', 7);
    texte.replace(QChar(0x2212), u'-');
    return texte;
}

// The population summary of games 28 and 30.
QString resumePopulation(const QString& tete, const QString& libelle99, const QString& nom, const QString& pop90,
                         const QString& pop99, const QString& superficie)
{
    const double v90 = ValeurFigure(pop90);
    const double v99 = ValeurFigure(pop99);
    const double surface = ValeurFigure(superficie);
    const float densite90 = float(platform::Round(v90 / surface, 1));
    const float densite99 = float(platform::Round(v99 / surface, 1));
    const float evolution = float(platform::Round((v99 - v90) / v90 * 100, 2));
    return tete + CRLF + CRLF + platform::UCase(nom) + u" :"_s + CRLF + CRLF + u"Population en 1990 : "_s + pop90 + CRLF
        + u"Soit "_s + ecritNombre(densite90) + u" hab/km²"_s + CRLF + CRLF + libelle99 + pop99 + CRLF + u"Soit"_s
        + u" "_s + ecritNombre(densite99) + u" hab/km²"_s + CRLF + CRLF + u"Soit une évolution"_s
        + (v90 <= v99 ? u" POSITIVE de "_s : u" NEGATIVE de "_s) + ecritNombre(evolution) + u" %"_s;
}

// Boxes of games 21 and 22: the départements of région T, in ascending index.
void remplitDepartements(CarteDep& c, int g, bool facile, int T)
{
    c.Info->show();
    for (int i = 0; i < 8; ++i) {
        c.D[i]->clear();
        c.D[i]->hide();
        c.ND[i]->clear();
        c.ND[i]->hide();
        c.Etat[i]->hide();
        if (g == 21 && !facile)
            c.ND[i]->move(tw(300), c.ND[i]->y());
    }
    int k = -1;
    for (int d = 1; d <= 96 && k < 7; ++d) {
        if (NumRegionDep[d] != T)
            continue;
        ++k;
        if (facile) {
            c.D[k]->show();
            c.D[k]->setText(NumeroDep(d));
            c.D[k]->setReadOnly(true);
            c.D[k]->setFocusPolicy(Qt::ClickFocus);
        }
        c.ND[k]->show();
        c.ND[k]->setText(NomDep[d]);
        if (g == 22 && !facile) {
            c.ND[k]->move(tw(700), c.ND[k]->y());
            c.ND[k]->setReadOnly(false);
        } else {
            if (g == 21 && !facile)
                c.ND[k]->move(tw(300), c.ND[k]->y());
            c.ND[k]->setReadOnly(true);
        }
    }
}

} // namespace

// ---------------------------------------------------------------- games 21 to 25

void CarteDep::PoseQuestionJeux21a25()
{
    const int g = jeuParmi(Jeu(), 21, 25);
    if (g == 0)
        return;
    const bool facile = NiveauFacile();

    static const char16_t* const kInfobulles[5] = {
        u"Q: Noms des départements  -  R: Nom de la région correspondante",
        u"Q: Noms des départements  -  R: Positionner la région correspondante",
        u"Q: Noms de la préfecture régionale  -  R: Positionner la préfecture dans la bonne région",
        u"Q: Nom de la préfecture régionale  -  R: Nom de la région",
        u"Q: Nom de la région  -  R: Nom de la préfecture régionale"};
    static const char16_t* const kResumes[5] = {
        u"Q: Nom des départements  -  R : Nom de la région", nullptr, nullptr,
        u"Q: Nom de la préfecture régionale  -  R : Nom de la région",
        u"Q: Nom de la région  -  R : Nom de la préfecture régionale"};
    static const char16_t* const kAideFacile[5] = {
        u"Colorie la région, donne le numéro des départements et la liste des régions",
        u"Donne le numéro des départements", u"Donne le nom de la région",
        u"Colorie la région et donne la liste des régions", u"Colorie la région et donne la liste des préfectures"};
    static const char16_t* const kAideDifficile[5] = {
        u"Ne colorie pas la région, ne donne pas le n° des départements, ni la liste des régions",
        u"Ne donne pas le numéro des départements", u"Ne donne pas le nom de la région",
        u"Ne colorie pas la région et ne donne pas la liste des régions",
        u"Ne colorie pas la région et ne donne pas la liste des préfectures"};

    Label1->setToolTip(QString::fromUtf16(kInfobulles[g - 21]));
    if (g == 23)
        Reponse->hide();
    Abandon->show();
    SolutionVue = 0;
    DepClique = 0;
    ChargeCarte(kCarteRegions);
    Label2->setText(kTitreRegions);

    switch (g) {
    case 21:
        Reponse->show();
        PlaceHaut(Reponse, 5300);
        Question->hide();
        PlaceHaut(Info, 1560);
        placeEnBas(*this);
        break;
    case 22:
        Reponse->hide();
        placeEnBas(*this);
        break;
    case 23:
        Reponse->hide();
        if (TempsIllimite()) {
            PlaceHaut(Score, 2880);
            PlaceHaut(NoSais, 3050);
        } else {
            PlaceHaut(Temps, 2880);
            PlaceHaut(Score, 3320);
            PlaceHaut(NoSais, 3500);
        }
        break;
    default:  // 24, 25
        Reponse->show();
        Question->show();
        if (TempsIllimite()) {
            PlaceHaut(Score, 4080);
            PlaceHaut(NoSais, 4250);
        }
        break;
    }
    if (g == 21 || g == 24 || g == 25)
        ListRep->setCurrentIndex(-1);
    if (NbQuestToutes())
        NbQuestions = 22;
    const char16_t* resume = kResumes[g - 21];
    if (!TireQuestion(22, resume ? QString::fromUtf16(resume) : QString()))
        return;
    const int T = int(Tirage);
    Label1->setText(u"Jeu n° "_s + QString::number(g));

    const QString aideFacile = QString::fromUtf16(kAideFacile[g - 21]);
    const QString aideDifficile = QString::fromUtf16(kAideDifficile[g - 21]);
    switch (g) {
    case 21:
        Info->setTitle(QString());
        Info->setTitle(enTete());
        Info->setTitle(Info->title() + u" Nom de la région :"_s);
        // Only the caption is bold: the boxes keep their own type.
        for (int i = 0; i < 8; ++i) {
            for (QLineEdit* box : {D[i], ND[i]}) {
                QFont font = box->font();
                font.setBold(false);
                box->setFont(font);
            }
        }
        {
            QFont font = Info->font();
            font.setBold(true);
            Info->setFont(font);
        }
        MontreAide(aideFacile, aideDifficile);
        remplitDepartements(*this, g, facile, T);
        break;
    case 22:
        Question->setTitle(enTete());
        LblQuest->setText(u" Positionner la région correspondante"_s);
        MontreAide(aideFacile, aideDifficile);
        Info->setTitle(facile ? u"N° et nom des départements :"_s : u"Nom des départements :"_s);
        remplitDepartements(*this, g, facile, T);
        break;
    case 23:
        if (NiveauFacile())
            LblQuest->setText(u"Placer la préfecture dans la bonne région ("_s + NomRegion[T] + u")"_s + CRLF
                              + PrefRegion[T]);
        if (NiveauDifficile())
            LblQuest->setText(u"Placer la préfecture suivante dans la bonne région"_s + CRLF + PrefRegion[T]);
        Question->setTitle(enTete());
        MontreAide(aideFacile, aideDifficile);
        break;
    default:  // 24, 25
        Question->setTitle(enTete());
        LblQuest->setText(g == 24 ? u"Nom de la région ayant pour préfecture : "_s + PrefRegion[T]
                                  : u"Quelle est la préfecture de la région : "_s + NomRegion[T]);
        MontreAide(aideFacile, aideDifficile);
        break;
    }
    if (facile && (g == 21 || g == 24 || g == 25)) {
        ListRep->show();
        ListRepOk->show();
        Rep->hide();
    }
    EtapeOuverture();
}

void CarteDep::CorrigeJeux21a25()
{
    const int g = jeuParmi(Jeu(), 21, 25);
    if (g == 0)
        return;
    const int T = platform::CInt(Tirage);

    if (g == 22 || g == 23) {
        const QString attendue = u"Région attendue en vert."_s;
        if (TempsEcoule == 0) {
            // Only a click of this question that found a département names an
            // answer; Enter in a département box names none.
            if (NeSaisPas == 0 && (DepTrouve == 0 || DepClique < 1 || DepClique > 96)) {
                Son(u"Faute.wav"_s);
                return;
            }
            if (TempsLimite())
                platform::setTimerEnabled(Timer1, false);
            const bool clic = DepClique >= 1 && DepClique <= 96;
            if (clic && NumRegionDep[DepClique] == T) {
                Son(u"Message.wav"_s);
                ColorieTirage();
                MontreVerdict(QString(), CRLF + u"Bonne Réponse !"_s, 1);
            } else if (NeSaisPas == 0) {
                Son(u"Erreur.wav"_s);
                ColorieErreurReg();
                MontreVerdict(u"Mauvaise Réponse !"_s,
                              NiveauFacile()
                                  ? attendue + CRLF
                                      + (g == 22 ? u"En Rouge c'est "_s + RegionDep[DepClique]
                                                 : u"Préfecture en rouge : "_s + PrefRegion[NumRegionDep[DepClique]])
                                  : CRLF + attendue,
                              2);
            } else {
                Son(u"Erreur.wav"_s);
                ColorieTirage();
                DepTrouve = 1;
                SolutionVue = 1;
                MontreVerdict(u"Vous ne savez pas ?"_s, CRLF + attendue, 2);
            }
        } else {
            Son(u"Erreur.wav"_s);
            ColorieTirage();
            DepTrouve = 1;
            SolutionVue = 1;
            MontreVerdict(u"Le Temps est écoulé !"_s, CRLF + attendue, 3);
        }
        return;
    }

    // Text games 21, 24 and 25.
    const bool facile = NiveauFacile();
    const std::array<QString, 24>& table = g == 25 ? PrefRegion : NomRegion;
    const QString attendu = table[T];
    QString ligne;
    if (g == 21) {
        for (int d = 1; d <= 96; ++d) {
            if (NumRegionDep[d] == T)
                ligne += NomDep[d] + u" - "_s;
        }
        ligne += u" : "_s + platform::UCase(NomRegion[T]);
    } else if (g == 24) {
        ligne = PrefRegion[T] + u" : "_s + NomRegion[T];
    } else {
        ligne = NomRegion[T] + u" : "_s + PrefRegion[T];
    }

    if (TempsEcoule != 0) {
        Son(u"Erreur.wav"_s);
        LigneErreur(ligne);
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + u"C'était "_s + attendu, 48, kTempsEcoule);
        NbFausses += 1;
        Note->setText(TexteScore(NbBonnes, NbFausses));
        if (facile)
            MasqueEtMontre();
        Rep->clear();
        PoseQuestion();
        return;
    }

    const QString texte = Rep->text();
    const int i = chercheRegion(table, texte);
    if (NeSaisPas == 0 && i == 0) {
        Son(u"Faute.wav"_s);
        return;
    }
    if (TempsLimite())
        platform::setTimerEnabled(Timer1, false);
    if (Egal(attendu, texte)) {
        BonneReponse(facile);
        return;
    }
    Son(u"Erreur.wav"_s);
    LigneErreur(ligne);
    QString message;
    int style = 48;
    if (NeSaisPas == 0) {
        message = (g == 25 ? u"Mauvaise Réponse !"_s : u"Mauvaise Réponse !."_s) + CRLF + u"C'était "_s + attendu;
        if (g == 21)
            style = 0;
        if (facile) {
            if (g == 21) {
                message += CRLF + CRLF + texte + u" a pour département :"_s + CRLF + CRLF;
                for (int d = 1; d <= 96; ++d) {
                    if (NumRegionDep[d] == i)
                        message += NomDep[d] + CRLF;
                }
            } else if (g == 24) {
                message += CRLF + CRLF + u"La région "_s + texte + u" a pour préfecture "_s + PrefRegion[i];
            } else {
                message += CRLF + CRLF + texte + u" c'est la préfecture de la région "_s + NomRegion[i];
            }
        }
    } else {
        message = u"Vous ne savez pas ?"_s + CRLF + u"C'était "_s + attendu;
    }
    MsgBox(message, style, kFaux);
    Compte(NbFausses, facile);
}

// ---------------------------------------------------------------- games 26 to 30

namespace {

// The table text of item i that the proposals of games 27 to 30 show.
QString proposition(int g, int i)
{
    switch (g) {
    case 27: return SuperfDep[i];
    case 28: return Pop99Dep[i];
    case 29: return SuperfRegion[i];
    default: return Pop99Region[i];
    }
}

QString nomItem(int g, int i) { return (g == 27 || g == 28) ? NomDep[i] : NomRegion[i]; }

} // namespace

void CarteDep::PoseQuestionJeux26a30()
{
    const int g = jeuParmi(Jeu(), 26, 30);
    if (g == 0)
        return;
    const bool departements = g == 27 || g == 28;
    const int N = departements ? 96 : 22;

    static const char16_t* const kInfobulles[5] = {
        u"Q: Colorie une région  -  R: Nom de la préfecture régionale",
        u"Q: Nom d'un département  -  R: Superficie du département",
        u"Q: Nom d'un département  -  R: Population du département",
        u"Q: Nom d'une région  -  R: Superficie de la région",
        u"Q: Nom d'une région  -  R: Population de la région"};
    static const char16_t* const kResumes[5] = {
        nullptr, u"Q: Nom d'un département  -  R : Superficie du département",
        u"Q: Nom d'un département  -  R : Population du département",
        u"Q: Nom d'une région  -  R : Superficie de la région", u"Q: Nom d'une région  -  R : Population de la région"};
    static const char16_t* const kAideFacile[5] = {
        u"Donne la liste des préfectures", u"Colorie le département et donne son numéro",
        u"Colorie le département et donne son numéro", u"Colorie la région", u"Colorie la région"};
    static const char16_t* const kAideDifficile[5] = {
        u"Ne donne pas la liste des préfectures", u"Ne colorie pas le département et ne donne pas son numéro",
        u"Ne colorie pas le département et ne donne pas son numéro", u"Ne colorie pas la région",
        u"Ne colorie pas la région"};

    Label1->setToolTip(QString::fromUtf16(kInfobulles[g - 26]));
    SolutionVue = 0;
    DepClique = 0;
    ChargeCarte(departements ? kCarteDepartements : kCarteRegions);
    Label2->setText(departements ? kTitreDepartements : kTitreRegions);
    if (g == 26) {
        ListRep->setCurrentIndex(-1);
        if (TempsIllimite()) {
            PlaceHaut(Score, 4080);
            PlaceHaut(NoSais, 4250);
        }
    } else {
        Reponse->hide();
        ListRepOk->hide();
        for (int i = 0; i < 3; ++i) {
            PlaceHaut(Choix[i], 3000 + 480 * i);
            Choix[i]->show();
        }
        placeEnBas(*this);
    }
    if (NbQuestToutes())
        NbQuestions = int16_t(N);
    const char16_t* resume = kResumes[g - 26];
    if (!TireQuestion(N, resume ? QString::fromUtf16(resume) : QString()))
        return;
    const int T = int(Tirage);

    if (g != 26) {
        // Three different items, one of them the one asked, at a random place.
        PosBonneRep = float(tire(3));
        do
            TirageFaux = float(tire(N));
        while (TirageFaux == Tirage);
        const int a = int(TirageFaux);
        do
            TirageFaux = float(tire(N));
        while (TirageFaux == float(a) || TirageFaux == Tirage);
        const int b = int(TirageFaux);
        int items[3] = {a, b, T};
        if (PosBonneRep == 1)
            std::swap(items[0], items[2]);
        else if (PosBonneRep == 2)
            std::swap(items[1], items[2]);
        for (int i = 0; i < 3; ++i)
            Choix[i]->setText(proposition(g, items[i]));
    }
    Label1->setText(u"Jeu n° "_s + QString::number(g));

    QString facile, difficile;
    const QString numero = (T == 20 || T == 96) ? u" "_s + NumeroDep(T) : Str(T);
    switch (g) {
    case 26:
        facile = difficile = u"Quelle est la préfecture de la région coloriée"_s;
        break;
    case 27:
        difficile = u"Quelle est la superficie du département "_s + NomDep[T];
        facile = u"Quelle est la superficie du département"_s + CRLF + numero.mid(T == 20 || T == 96 ? 1 : 0)
            + u" : "_s + NomDep[T];
        break;
    case 28:
        difficile = u"Quelle est la population (en 1999) du département : "_s + NomDep[T];
        facile = u"Quelle est la population (en 1999) du département"_s + numero + u" : "_s + CRLF + NomDep[T];
        break;
    case 29:
        facile = difficile = u"Quelle est la superficie de la région "_s + CRLF + NomRegion[T];
        break;
    default:
        facile = difficile = u"Quelle est la population (en 1999) de la région : "_s + NomRegion[T];
        break;
    }
    if (NiveauDifficile())
        LblQuest->setText(difficile);
    if (NiveauFacile()) {
        LblQuest->setText(facile);
        ListRep->show();
        ListRepOk->show();
        Rep->hide();
    }
    NumeroteQuestion();
    MontreAide(QString::fromUtf16(kAideFacile[g - 26]), QString::fromUtf16(kAideDifficile[g - 26]));
    EtapeOuverture();
}

void CarteDep::CorrigeJeux26a30()
{
    const int g = jeuParmi(Jeu(), 26, 30);
    if (g == 0)
        return;
    const int T = platform::CInt(Tirage);
    const QString texte = Rep->text();

    if (g == 26) {
        const QString attendu = u"C'était "_s + PrefRegion[T];
        if (TempsEcoule == 0) {
            if (NeSaisPas == 0 && chercheRegion(PrefRegion, texte) == 0) {
                Son(u"Faute.wav"_s);
                return;
            }
            if (TempsLimite())
                platform::setTimerEnabled(Timer1, false);
            if (Egal(PrefRegion[T], texte)) {
                BonneReponse(true);
                return;
            }
            Son(u"Erreur.wav"_s);
            MsgBox((NeSaisPas == 0 ? u"Mauvaise Réponse !."_s : u"Vous ne savez pas ?"_s) + CRLF + attendu, 48, kFaux);
            Compte(NbFausses, true);
            return;
        }
        Son(u"Erreur.wav"_s);
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + attendu, 48, kTempsEcoule);
        NbFausses += 1;
        Note->setText(TexteScore(NbBonnes, NbFausses));
        MasqueEtMontre();
        Rep->clear();
        PoseQuestion();
        return;
    }

    // Games 27 to 30: three proposals.
    const bool facile = NiveauFacile();
    const QString X = proposition(g, T);
    const QString nom = nomItem(g, T);
    const bool population = g == 28 || g == 30;
    auto resume = [&](const QString& tete, const QString& libelle99) {
        if (g == 28)
            return resumePopulation(tete, libelle99, nom, Pop90Dep[T], Pop99Dep[T], SuperfDep[T]);
        return resumePopulation(tete, libelle99, nom, Pop90Region[T], Pop99Region[T], SuperfRegion[T]);
    };
    // Game 27 writes "C'était" straight before the area, game 29 with a blank.
    const QString cetait = (g == 27 ? u"C'était"_s : u"C'était "_s) + X;
    const QString majuscules99 = u"POPULATION EN 1999 : "_s;

    if (TempsEcoule == 0) {
        if (TempsLimite())
            platform::setTimerEnabled(Timer1, false);
        // Only the right proposal keeps its caption while the verdict is shown.
        for (QPushButton* bouton : Choix) {
            if (bouton->text() != X)
                bouton->setText(QString());
        }
        if (Egal(X, texte)) {
            Son(u"Message.wav"_s);
            MsgBox(population ? resume(u"Bonne Réponse !"_s, u"Population en 1999 : "_s) : u"Bonne Réponse !"_s, 64,
                   kExact);
            Compte(NbBonnes, facile);
            return;
        }
        Son(u"Erreur.wav"_s);
        LigneErreur(nom + u" : "_s + X);
        if (NeSaisPas == 0) {
            if (population)
                MsgBox(resume(u"Mauvaise Réponse !"_s, majuscules99), 48, kFaux);
            else
                MsgBox(u"Mauvaise Réponse !"_s + CRLF + CRLF + cetait, 48, kFaux);
        } else {
            if (population)
                MsgBox(resume(u"Vous de savez pas ?"_s, majuscules99), 64, kFaux);
            else
                MsgBox(u"Vous ne savez pas ?"_s + CRLF + CRLF + cetait, 48, kFaux);
        }
        Compte(NbFausses, facile);
        return;
    }

    Son(u"Erreur.wav"_s);
    LigneErreur(nom + u" : "_s + X);
    if (population)
        MsgBox(resume(u"Le Temps est écoulé !"_s, majuscules99), 48, kFaux);
    else
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + CRLF + cetait, 48, kTempsEcoule);
    NbFausses += 1;
    Note->setText(TexteScore(NbBonnes, NbFausses));
    if (facile)
        MasqueEtMontre();
    Rep->clear();
    PoseQuestion();
}

// ---------------------------------------------------------------- game 31

void CarteDep::PoseQuestionJeu31()
{
    if (Jeu() != u"31"_s)
        return;
    const bool facile = NiveauFacile();
    Label1->setToolTip(u"Q: Blason d'une région  -  R: Nom de la région"_s);
    SolutionVue = 0;
    DepClique = 0;
    Label2->setText(kTitreRegions);
    Blason->show();
    ListRep->setCurrentIndex(-1);
    PlaceHaut(Reponse, 4800);
    ChargeCarte(kCarteRegions);
    if (facile) {
        ListRep->show();
        ListRepOk->show();
        Rep->hide();
    }
    if (NiveauDifficile()) {
        ListRep->hide();
        ListRepOk->hide();
        Rep->show();
    }
    placeEnBas(*this);
    if (NbQuestToutes())
        NbQuestions = 22;
    if (!TireQuestion(22))
        return;
    const int T = int(Tirage);
    // A missing picture shows no coat of arms rather than the previous one.
    const QImage blason = platform::LoadPicture(platform::appFile(ImageRegion(T)));
    if (blason.isNull())
        Blason->clear();
    else
        Blason->setPixmap(QPixmap::fromImage(blason));
    Label1->setText(u"Jeu n° 31"_s);
    LblQuest->setText(u"A quelle région correspond le blason suivant :"_s);
    if (facile) {
        ListRep->show();
        ListRepOk->show();
        Rep->hide();
    }
    NumeroteQuestion();
    if (facile) {
        aide->setTitle(u"Aide Activée."_s);
        LblAide->setText(u"Colorie la région et propose la liste des régions"_s);
    } else {
        LblAide->setText(u"Ne colorie pas la région et ne propose pas la liste des régions"_s);
        aide->setTitle(u"Aide Non Activée."_s);
    }
    EtapeOuverture();
}

void CarteDep::CorrigeJeu31()
{
    if (Jeu() != u"31"_s)
        return;
    const int T = platform::CInt(Tirage);
    const bool facile = NiveauFacile();
    const QString attendu = u"C'était "_s + NomRegion[T];

    if (TempsEcoule != 0) {
        Son(u"Erreur.wav"_s);
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + attendu, 48, kTempsEcoule);
        NbFausses += 1;
        Note->setText(TexteScore(NbBonnes, NbFausses));
        if (facile)
            MasqueEtMontre();
        Rep->clear();
        PoseQuestion();
        return;
    }
    const QString texte = Rep->text();
    if (NeSaisPas == 0 && chercheRegion(NomRegion, texte) == 0) {
        Son(u"Faute.wav"_s);
        return;
    }
    if (TempsLimite())
        platform::setTimerEnabled(Timer1, false);
    if (Egal(NomRegion[T], texte)) {
        BonneReponse(facile);
        return;
    }
    Son(u"Erreur.wav"_s);
    MsgBox((NeSaisPas == 0 ? u"Mauvaise Réponse !."_s : u"Vous ne savez pas ?"_s) + CRLF + attendu, 48, kFaux);
    Compte(NbFausses, facile);
}
