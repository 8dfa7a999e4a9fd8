// Games 11 to 20: préfectures placed in départements; régions placed, named
// and broken down into their départements.
#include "quiz/CarteDep.h"
#include "quiz/games/TextesJeux.h"

#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"

#include <QPainter>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace jeux;
using platform::MsgBox;
using platform::Str;

namespace {
const QString kRegions = u"Les Régions Françaises"_s;

// ---------------------------------------------------------------- placing controls (twips)

void placeGauche(QWidget* w, int left) { w->move(platform::tw(left), w->y()); }
void placeLargeur(QWidget* w, int width) { w->resize(platform::tw(width), w->height()); }

// The layout shared by games 13 (both modes), 15 to 20: score and "Je ne sais
// pas" under the boxes, the time bar below them in timed play.
void placeBas(CarteDep* c, bool barre)
{
    if (barre) {
        CarteDep::PlaceHaut(c->Temps, 7200);
        placeGauche(c->Temps, 7440);
        placeLargeur(c->Temps, 2900);
    }
    CarteDep::PlaceHaut(c->Score, 6480);
    placeGauche(c->Score, 7440);
    placeGauche(c->NoSais, 10440);
    CarteDep::PlaceHaut(c->NoSais, 6600);
}

// ---------------------------------------------------------------- texts

// The départements of a région, in ascending index (Haute Corse before 21, Corse du Sud last).
QList<int> departementsDe(int region)
{
    QList<int> liste;
    for (int d = 1; d <= 96; ++d) {
        if (NumRegionDep[d] == region)
            liste << d;
    }
    return liste;
}

// Index 1..22 of the first région whose name equals the text in capitals; 0 when none.
int regionNommee(const QString& texte)
{
    for (int r = 1; r <= 22; ++r) {
        if (CarteDep::Egal(texte, NomRegion[r]))
            return r;
    }
    return 0;
}

// ---------------------------------------------------------------- pictures

// A drawn mark for a missing "Ok.bmp" / "Faux.bmp": a green tick or a red cross.
QPixmap marqueDessinee(bool juste)
{
    QPixmap pixmap(25, 25);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(juste ? QColor(0, 160, 0) : QColor(220, 0, 0), 4));
    if (juste) {
        painter.drawLine(5, 13, 10, 19);
        painter.drawLine(10, 19, 20, 6);
    } else {
        painter.drawLine(6, 6, 19, 19);
        painter.drawLine(19, 6, 6, 19);
    }
    return pixmap;
}

void marque(QLabel* etat, bool juste)
{
    const QImage image = platform::LoadPicture(platform::appFile(juste ? u"Ok.bmp"_s : u"Faux.bmp"_s));
    etat->setPixmap(image.isNull() ? marqueDessinee(juste) : platform::transparentBackground(image));
    etat->show();
}

// ---------------------------------------------------------------- answer rows

void verrouille(QLineEdit* box, bool locked) { box->setReadOnly(locked); }
void horsTabulation(QLineEdit* box) { box->setFocusPolicy(Qt::ClickFocus); }

// Empties and hides the eight rows; the caller then sets up the rows in use.
void videRangees(CarteDep* c)
{
    for (int i = 0; i < 8; ++i) {
        c->D[i]->clear();
        c->ND[i]->clear();
        c->D[i]->hide();
        c->ND[i]->hide();
        c->Etat[i]->hide();
    }
}

// The first box that takes the answer gets the focus, ready for typing.
void focusPremiereSaisie(CarteDep* c, bool parNom)
{
    QLineEdit* box = parNom ? c->ND[0] : c->D[0];
    if (!box->isHidden() && !box->isReadOnly())
        box->setFocus();
}

// ---------------------------------------------------------------- credit

// Adds a settled question's credit, the right share to NbBonnes and the rest
// of the point to NbFausses, and keeps NbBonnes + NbFausses, added in
// single precision, exactly equal to the number of questions settled, so that
// the end test and the question counter of the question routines hold.
void credite(float bonnes)
{
    const float total = float(std::lround(double(NbBonnes) + double(NbFausses)) + 1);
    const float b = NbBonnes + bonnes;
    float f = float(double(total) - double(b));
    for (int pas = 0; pas < 8 && float(b + f) != total; ++pas)
        f = std::nextafter(f, float(b + f) < total ? total : 0.0f);
    NbBonnes = b;
    NbFausses = f < 0 ? 0 : f;
}

// ---------------------------------------------------------------- several answers (games 15 to 18)

struct Multiple {
    bool parNom = false;      // names in ND (17, 18) or numbers in D (15, 16)
    bool rapport = false;     // report line (15, 17)
    QString neSaitPas;        // head of the don't-know message
};

// The index of the first département whose name equals the text (capitals ignored); 0 when none.
int departementDuNom(const QString& texte) { return CarteDep::Recherche(NomDep, texte); }

// The département a number box stands for: exactly "2A" or "2B" for Corsica,
// otherwise the number the text begins with, to the nearest whole number (a half
// to the even one): "7x" is 7, "2a" is 2. 0 when that number is not 1..95, or
// is 20 or rounds to it (Corsica is typed "2A" and "2B").
int departementDeBoite(const QString& texte)
{
    if (texte == u"2A"_s)
        return 96;
    if (texte == u"2B"_s)
        return 20;
    const double valeur = platform::Val(texte);
    if (valeur < 1 || valeur > 95)
        return 0;
    const int d = int(platform::RoundHalfEven(valeur));
    return d == 20 ? 0 : d;
}

void corrigeMultiple(CarteDep* c, const Multiple& m)
{
    const int T = platform::CInt(Tirage);
    const bool facile = c->NiveauFacile();

    // Step 2: the expected set.
    for (int d = 1; d <= 96; ++d) {
        DepSaisi[d] = 0;
        DepAttendu[d] = 0;
    }
    for (int d = 1; d <= 96; ++d) {
        if (float(NumRegionDep[d]) == Tirage)
            DepAttendu[d] = 1;
    }

    // The solution, one line per expected département, and the report line.
    auto solution = [&]() {
        QString liste;
        for (int d = 1; d <= 96; ++d) {
            if (DepAttendu[d] != 1)
                continue;
            if (facile)
                liste += numeroConverti(d) + u" : "_s + NomDep[d] + CRLF;
            else
                liste += (m.parNom ? NomDep[d] : numeroConverti(d)) + CRLF;
        }
        return liste;
    };
    auto ligneRapport = [&]() {
        QString ligne = m.parNom ? platform::UCase(NomRegion[T]) + u" : "_s : NomRegion[T] + u" : "_s;
        for (int d = 1; d <= 96; ++d) {
            if (DepAttendu[d] == 1)
                ligne += (m.parNom ? NomDep[d] : numeroConverti(d)) + u" - "_s;
        }
        return ligne;
    };

    // Step 15: don't know, time over.
    if (TempsEcoule != 0 || NeSaisPas != 0) {
        const bool neSait = NeSaisPas == 1;
        if (!neSait && TempsEcoule != 1)
            return;
        // No tick may settle this question a second time while its message is open.
        platform::setTimerEnabled(c->Timer1, false);
        credite(0);
        c->Note->setText(TexteScore(NbBonnes, NbFausses, true));
        const QString message = (neSait ? m.neSaitPas : u"Le Temps est écoulé. C'était :"_s) + CRLF + CRLF + solution();
        if (m.rapport)
            CarteDep::LigneErreur(ligneRapport());
        CarteDep::Son(u"Erreur.wav"_s);
        MsgBox(message, 0, kFaux);
        if (!neSait && facile)
            c->MasqueEtMontre();
        c->PoseQuestion();
        return;
    }

    const std::array<QLineEdit*, 8>& saisie = m.parNom ? c->ND : c->D;

    // Step 4: validation.
    for (int k = 0; k < 8; ++k) {
        QLineEdit* box = saisie[k];
        if (box->isHidden() || box->text().isEmpty())
            continue;
        const int d = m.parNom ? departementDuNom(box->text()) : departementDeBoite(box->text());
        if (d == 0) {
            CarteDep::Son(u"Faute.wav"_s);
            MsgBox(m.parNom ? u"Erreur dans les noms des départements. Corriger"_s
                            : u"Erreur dans les numéros des départements. Corriger"_s,
                   48, u"Erreur de Saisie"_s);
            return;
        }
    }

    // Step 5: the typed set and the counts.
    int shown = 0, empty = 0;
    for (int k = 0; k < 8; ++k) {
        QLineEdit* box = saisie[k];
        if (!box->text().isEmpty()) {
            if (m.parNom) {
                for (int j = 1; j <= 96; ++j) {
                    if (CarteDep::Egal(NomDep[j], box->text()))
                        DepSaisi[j] = 1;
                }
            } else {
                if (const int d = departementDeBoite(box->text()))
                    DepSaisi[d] = 1;
            }
        }
        if (!box->isHidden()) {
            ++shown;
            if (box->text().isEmpty())
                ++empty;
        }
    }
    int distinct = 0;
    for (int d = 1; d <= 96; ++d)
        distinct += DepSaisi[d] == 1 ? 1 : 0;

    // Step 6: a département given twice.
    if (distinct + empty != shown) {
        CarteDep::Son(u"Faute.wav"_s);
        MsgBox(m.parNom ? u"Des noms ont été saisis plusieurs fois. Corriger"_s
                        : u"Des numéros ont été saisies plusieurs fois. Corriger"_s,
               48, u"Erreur de Saisie"_s);
        return;
    }
    if (shown == 0)
        return;  // no row shown: nothing to judge (cannot happen with the tables)

    // Step 7: the countdown stops for the confirmation; after "Non" the rest of the
    // question is untimed, and the next question starts a countdown of its own.
    if (c->TempsLimite())
        platform::setTimerEnabled(c->Timer1, false);
    if (MsgBox(u"Confirmez vous les saisies faites ?"_s, 36, u"Confirmation"_s) == platform::vbNo)
        return;

    // Step 8: judging, with a mark beside each shown box.
    int right = 0;
    for (int k = 0; k < 8; ++k) {
        QLineEdit* box = saisie[k];
        if (box->isHidden())
            continue;
        const QString texte = box->text();
        bool juste;
        if (m.parNom) {
            if (facile) {
                const int n = CarteDep::NumeroSaisi(c->D[k]->text());
                juste = !texte.isEmpty() && CarteDep::Egal(texte, NomDep[n]);
            } else {
                const int j = texte.isEmpty() ? 0 : departementDuNom(texte);
                juste = j != 0 && DepAttendu[j] == 1;
            }
        } else {
            const int d = departementDeBoite(texte);
            if (facile)
                juste = c->ND[k]->text() == NomDep[d];
            else
                juste = DepAttendu[d] == 1;
        }
        marque(c->Etat[k], juste);
        if (juste)
            ++right;
    }

    // Step 9: repaint.
    if (facile)
        c->MasqueEtMontre();

    // Steps 10 to 12: message, score, solution and report line.
    QString message = right == shown ? u"Bonne réponse !!"_s
                                     : u"Vous avez"_s + Str(right) + u" bonnes réponses sur"_s + Str(shown) + CRLF
            + CRLF + u"La solution était :"_s + CRLF + CRLF;
    credite(float(right) / float(shown));  // and (shown - right) / shown to NbFausses
    c->Note->setText(TexteScore(NbBonnes, NbFausses, true));
    if (right != shown) {
        message += solution();
        if (m.rapport)
            CarteDep::LigneErreur(ligneRapport());
    }

    // Steps 13, 14.
    MsgBox(message, 0, u"Résultats :"_s);
    c->PoseQuestion();
}

// ---------------------------------------------------------------- map verdicts (games 12, 13, 20)

// The map verdict of games 12 (a département) and 13, 20 (a région).
void corrigeCarte(CarteDep* c, bool region)
{
    enum { Juste, Fausse, NeSait, Temps } verdict;
    if (TempsEcoule == 0) {
        if (NeSaisPas == 0 && DepTrouve == 0) {
            CarteDep::Son(u"Faute.wav"_s);
            return;
        }
        if (c->TempsLimite())
            platform::setTimerEnabled(c->Timer1, false);
        const int clique = (DepClique >= 0 && DepClique <= 97) ? DepClique : 0;
        const bool juste = region ? float(NumRegionDep[clique]) == Tirage : float(DepClique) == Tirage;
        if (juste)
            verdict = Juste;
        else
            verdict = NeSaisPas == 0 ? Fausse : NeSait;
    } else {
        verdict = Temps;
    }
    const QString attendu = region ? u"Région attendue en vert."_s : u"Département attendu en vert."_s;
    switch (verdict) {
    case Juste:
        CarteDep::Son(u"Message.wav"_s);
        c->ColorieTirage();
        c->MontreVerdict(QString(), CRLF + u"Bonne Réponse !"_s, 1);
        break;
    case Fausse: {
        CarteDep::Son(u"Erreur.wav"_s);
        if (region)
            c->ColorieErreurReg();
        else
            c->ColorieErreurDep();
        QString texte = CRLF + attendu;
        if (c->NiveauFacile()) {
            if (region)
                texte = attendu + CRLF + u"En Rouge c'est "_s + RegionDep[DepClique];
            else
                texte = u"La préfecture du département en rouge est : "_s + PrefDep[DepClique] + CRLF + attendu;
        }
        c->MontreVerdict(u"Mauvaise Réponse !"_s, texte, 2);
        break;
    }
    case NeSait:
    case Temps:
        CarteDep::Son(u"Erreur.wav"_s);
        c->ColorieTirage();
        DepTrouve = 1;
        SolutionVue = 1;
        c->MontreVerdict(verdict == NeSait ? u"Vous ne savez pas ?"_s : u"Le Temps est écoulé !"_s, CRLF + attendu,
                         verdict == NeSait ? 2 : 3);
        break;
    }
}

} // namespace

// ================================================================ questions of games 11 to 15

void CarteDep::PoseQuestionJeux11a15()
{
    const int g = jeuParmi(Jeu(), 11, 15);
    if (g == 0)
        return;

    static const char16_t* const kInfobulles[5] = {
        u"Q: Nom de la préfecture départementale  -  R: Numéro du département",
        u"Q: Nom de la préfecture départementale  -  R: Positionner la préfecture dans le bon département",
        u"Q: Nom d'une région  -  R: Positionner la région", u"Q: Colorie une région  -  R: Nom de la région",
        u"Q: Nom d'une région  -  R: Numéro des départements"};
    static const char16_t* const kAideFacile[5] = {
        u"Colorie le département et indique son nom", u"Indique le numéro du département",
        u"Indique le numéro et le nom des départements", u"Donne la liste des régions",
        u"Colorie la région et donne le nom des départements"};
    static const char16_t* const kAideDifficile[5] = {
        u"Ne colorie pas le département et n'indique pas son nom", u"N'indique pas le numéro du département",
        u"N'indique pas le numéro, ni le nom des départements", u"Ne donne pas la liste des régions",
        u"Ne colorie pas la région et ne donne pas le nom des départements"};

    // 1. Tooltip.
    Label1->setToolTip(QString::fromUtf16(kInfobulles[g - 11]));

    // 2. Preparation, in each game's order.
    switch (g) {
    case 11:
        SolutionVue = 0;
        DepClique = 0;
        break;
    case 12:
        Reponse->hide();
        Abandon->show();
        SolutionVue = 0;
        DepClique = 0;
        break;
    case 13:
    case 15:
        Abandon->show();
        SolutionVue = 0;
        DepClique = 0;
        ChargeCarte(u"GeomiraRegV.gif"_s);
        Reponse->hide();
        Label2->setText(kRegions);
        break;
    case 14:
        SolutionVue = 0;
        DepClique = 0;
        ChargeCarte(u"GeomiraRegV.gif"_s);
        Label2->setText(kRegions);
        ListRep->setCurrentIndex(-1);
        break;
    }

    // 3. Layout by time mode.
    switch (g) {
    case 11:
    case 14:
        if (TempsIllimite()) {
            PlaceHaut(Score, 4080);
            PlaceHaut(NoSais, 4250);
        }
        break;
    case 12:
        if (TempsIllimite()) {
            PlaceHaut(Score, 2880);
            PlaceHaut(NoSais, 3050);
        }
        if (TempsLimite()) {
            PlaceHaut(Temps, 2880);
            PlaceHaut(Score, 3320);
            PlaceHaut(NoSais, 3500);
        }
        break;
    case 13:
        // Untimed too, the time bar moves (the order of the moves changes nothing).
        if (TempsIllimite())
            placeBas(this, true);
        if (TempsLimite())
            placeBas(this, true);
        break;
    case 15:
        if (TempsIllimite())
            placeBas(this, false);
        if (TempsLimite())
            placeBas(this, true);
        break;
    }

    // 4, 5, 6. Question count, report heading, end test and draw.
    const int nbItems = g <= 12 ? 96 : 22;
    if (NbQuestToutes())
        NbQuestions = int16_t(nbItems);
    QString resume;
    if (g == 11)
        resume = u"Q: Nom de la préfecture départementale  -  R : Numéro du département"_s;
    else if (g == 15)
        resume = u"Q: Nom d'une région  -  R : Numéro des départements"_s;
    if (!TireQuestion(nbItems, resume))
        return;
    const int T = int(Tirage);

    // 7. Title.
    Label1->setText(u"Jeu n° "_s + QString::number(g));

    // 8. Question.
    const bool facile = NiveauFacile();
    switch (g) {
    case 11: {
        const QString debut = T == 96 ? CRLF : QString();
        if (facile)
            LblQuest->setText(debut + u"Quel est le n° du département "_s + NomDep[T] + u" ayant pour préfecture : "_s
                              + CRLF + PrefDep[T]);
        else
            LblQuest->setText(debut + u"Quel est le n° du département ayant pour préfecture : "_s + CRLF + PrefDep[T]);
        break;
    }
    case 12:
        if (facile)
            LblQuest->setText(u"Placer la préfecture suivante dans le bon département :"_s
                              + ((T == 20 || T == 96) ? u" "_s + NumeroDep(T) : Str(T)) + CRLF + PrefDep[T]);
        else
            LblQuest->setText(u"Placer la préfecture suivante dans le bon département"_s + CRLF + PrefDep[T]);
        break;
    case 13:
        LblQuest->setText(u"Placer la région "_s + NomRegion[T] + u" sur la carte"_s);
        break;
    case 14:
        if (NiveauDifficile())
            LblQuest->setText(u"Quel est le nom de la région coloriée"_s);
        if (facile) {
            ListRep->show();
            ListRepOk->show();
            Rep->hide();
            LblQuest->setText(u"Quel est le nom de la région coloriée"_s);
        }
        break;
    case 15:
        LblQuest->setText(u"Indiquer le n° des départements de la région "_s + NomRegion[T]);
        break;
    }

    // 9, 10. Counter and help.
    NumeroteQuestion();
    MontreAide(QString::fromUtf16(kAideFacile[g - 11]), QString::fromUtf16(kAideDifficile[g - 11]));

    // 11. Answer boxes: easy level of game 13, both levels of game 15.
    if ((g == 13 && facile) || g == 15) {
        Info->show();
        Info->setTitle(g == 13 ? u"N° et nom des départements"_s : u"N° des départements ?"_s);
        videRangees(this);
        if (g == 15 && !facile) {
            for (int i = 0; i < 8; ++i) {
                placeGauche(D[i], 1820);
                placeGauche(Etat[i], 2520);
            }
        }
        int k = -1;
        for (int d : departementsDe(T)) {
            if (++k > 7)
                break;
            if (g == 13) {
                D[k]->show();
                ND[k]->show();
                verrouille(D[k], true);
                verrouille(ND[k], true);
                D[k]->setText((d == 20 || d == 96) ? NumeroDep(d) : Str(d));
                ND[k]->setText(NomDep[d]);
            } else if (!facile) {
                D[k]->show();
                verrouille(D[k], false);
            } else {
                D[k]->show();
                ND[k]->show();
                verrouille(D[k], false);
                verrouille(ND[k], true);
                ND[k]->setText(NomDep[d]);
            }
        }
        if (g == 15)
            focusPremiereSaisie(this, false);
    }

    // 12. First countdown step.
    EtapeOuverture();
}

// ================================================================ questions of games 16 to 20

void CarteDep::PoseQuestionJeux16a20()
{
    const int g = jeuParmi(Jeu(), 16, 20);
    if (g == 0)
        return;

    static const char16_t* const kInfobulles[5] = {
        u"Q: Colorie une région  -  R: Numéro des départements", u"Q: Nom d'une région  -  R: Nom des départements",
        u"Q: Colorie une région  -  R: Noms des départements", u"Q: Numéro des départements  -  R: Nom de la région",
        u"Q: Numéro des départements  -  R: Positionner la région correspondante"};
    static const char16_t* const kAideFacile[5] = {
        u"Indique le nom de la région et le nom des départements",
        u"Colorie la région et donne le numéro des départements",
        u"Indique le nom de la région et le numéro des départements",
        u"Colorie la région, donne le nom des départements et la liste des régions",
        u"Indique le nom des départements"};
    static const char16_t* const kAideDifficile[5] = {
        u"N'indique pas le nom de la région, ni le nom des départements",
        u"Ne colorie pas la région et ne donne pas le numéro des départements",
        u"N'indique pas le nom de la région, ni les numéro des départements",
        u"Ne colorie pas la région, ne donne pas le nom des départements, ni la liste des régions",
        u"N'indique pas le nom des départements"};

    // 1. Tooltip.
    Label1->setToolTip(QString::fromUtf16(kInfobulles[g - 16]));

    // 2. Preparation.
    Abandon->show();
    SolutionVue = 0;
    DepClique = 0;
    ChargeCarte(u"GeomiraRegV.gif"_s);
    if (g == 17) {
        Reponse->hide();
        Label2->setText(kRegions);
    } else if (g == 19) {
        Label2->setText(kRegions);
        Reponse->show();
        Question->hide();
        PlaceHaut(Info, 1560);
        PlaceHaut(Reponse, 5300);
        ListRep->setCurrentIndex(-1);
    } else {
        Label2->setText(kRegions);
        Reponse->hide();
    }

    // 3. Layout, the same in the five games.
    if (TempsIllimite())
        placeBas(this, false);
    if (TempsLimite())
        placeBas(this, true);

    // 4, 5, 6. Question count, report heading, end test and draw.
    if (NbQuestToutes())
        NbQuestions = 22;
    QString resume;
    if (g == 17)
        resume = u"Q: Nom d'une région  -  R : Noms des départements"_s;
    else if (g == 19)
        resume = u"Q: Numéro des départements  -  R : Nom de la région"_s;
    if (!TireQuestion(22, resume))
        return;
    const int T = int(Tirage);

    // 7. Title.
    Label1->setText(u"Jeu n° "_s + QString::number(g));

    // 8, 9. Question and counter.
    const bool facile = NiveauFacile();
    switch (g) {
    case 16:
        if (facile)
            LblQuest->setText(u"Indiquer le n° des départements de la région coloriée"_s + CRLF + NomRegion[T]);
        if (NiveauDifficile())
            LblQuest->setText(u"Indiquer le n° des départements de la région coloriée"_s);
        NumeroteQuestion();
        break;
    case 17:
        LblQuest->setText(u"Indiquer le nom des départements de la région "_s + NomRegion[T]);
        NumeroteQuestion();
        break;
    case 18:
        if (facile)
            LblQuest->setText(u"Indiquer le nom des départements de la région coloriée"_s + CRLF + NomRegion[T]);
        if (NiveauDifficile())
            LblQuest->setText(u"Indiquer le nom des départements de la région coloriée"_s);
        NumeroteQuestion();
        break;
    case 19: {
        Info->setTitle(QString());
        Info->setTitle(u"Question "_s + Str(NbBonnes + NbFausses + 1) + u"/"_s + Str(int(NbQuestions)) + u" :"_s);
        Info->setTitle(Info->title() + u" Nom de la région :"_s);
        // Only the frame's caption turns bold: the boxes keep their own font.
        for (QWidget* box : Info->findChildren<QWidget*>()) {
            QFont font = box->font();
            font.setBold(false);
            box->setFont(font);
        }
        QFont font = Info->font();
        font.setBold(true);
        Info->setFont(font);
        break;
    }
    case 20:
        NumeroteQuestion();
        LblQuest->setText(u" Positionner la région correspondante"_s);
        break;
    }

    // 10. Help captions; game 19's answer list.
    MontreAide(QString::fromUtf16(kAideFacile[g - 16]), QString::fromUtf16(kAideDifficile[g - 16]));
    if (g == 19 && facile) {
        ListRep->show();
        ListRepOk->show();
        Rep->hide();
    }

    // 11. Answer boxes.
    Info->show();
    switch (g) {
    case 16:
        Info->setTitle(u"N° des départements ?"_s);
        break;
    case 17:
    case 18:
        Info->setTitle(u"Nom des départements ?"_s);
        break;
    case 20:
        Info->setTitle(facile ? u"N° et nom des départements :"_s : u"N° des départements :"_s);
        break;
    default:
        break;
    }
    videRangees(this);
    if (!facile) {
        for (int i = 0; i < 8; ++i) {
            if (g == 16) {
                placeGauche(D[i], 1820);
                placeGauche(Etat[i], 2520);
            } else if (g == 17) {
                placeGauche(ND[i], 700);
                placeGauche(Etat[i], 3650);
            } else if (g == 18) {
                placeGauche(Etat[i], 3650);
            }
        }
    }
    int k = -1;
    for (int d : departementsDe(T)) {
        if (++k > 7)
            break;
        const QString numero = NumeroDep(d);  // "2B", "2A", else the digits with no blank
        switch (g) {
        case 16:
            D[k]->show();
            if (facile)
                ND[k]->show();
            verrouille(D[k], false);
            if (facile) {
                verrouille(ND[k], true);
                ND[k]->setText(NomDep[d]);
            }
            break;
        case 17:
            if (facile) {
                D[k]->show();
                ND[k]->show();
                verrouille(D[k], true);
                verrouille(ND[k], false);
                D[k]->setText(numero);
            } else {
                D[k]->hide();
                verrouille(D[k], true);
                verrouille(ND[k], false);
                ND[k]->show();
            }
            break;
        case 18:
            if (facile) {
                D[k]->show();
                ND[k]->show();
                horsTabulation(D[k]);
                verrouille(D[k], true);
                verrouille(ND[k], false);
                D[k]->setText(numero);
            } else {
                D[k]->hide();
                horsTabulation(D[k]);
                verrouille(D[k], true);
                ND[k]->show();
                verrouille(ND[k], false);
            }
            break;
        default:  // 19, 20
            D[k]->show();
            if (facile)
                ND[k]->show();
            horsTabulation(D[k]);
            verrouille(D[k], true);
            if (facile) {
                verrouille(ND[k], true);
                D[k]->setText(numero);
                ND[k]->setText(NomDep[d]);
            } else {
                placeGauche(D[k], 1700);
                D[k]->setText(numero);
                ND[k]->hide();
                verrouille(ND[k], false);
            }
            break;
        }
    }
    if (g >= 16 && g <= 18)
        focusPremiereSaisie(this, g != 16);

    // 12. First countdown step.
    EtapeOuverture();
}

// ================================================================ answers of games 11 to 15

void CarteDep::CorrigeJeux11a15()
{
    const int g = jeuParmi(Jeu(), 11, 15);
    if (g == 0)
        return;
    const int T = platform::CInt(Tirage);
    const bool facile = NiveauFacile();

    if (g == 12 || g == 13) {
        corrigeCarte(this, g == 13);
        return;
    }

    if (g == 15) {
        Multiple m;
        m.rapport = true;
        m.neSaitPas = u"Vous ne savez pas ?. C'était :"_s;
        corrigeMultiple(this, m);
        return;
    }

    if (g == 11) {
        const QString attendu = u"C'était"_s + ((T == 20 || T == 96) ? u" "_s + NumeroDep(T) : Str(T));
        const QString ligne = PrefDep[T] + u" : "_s + ((T == 20 || T == 96) ? NumeroDep(T) : Str(T));
        if (TempsEcoule == 1) {
            Son(u"Erreur.wav"_s);
            LigneErreur(ligne);
            MsgBox(u"Le Temps est écoulé !."_s + CRLF + attendu, 48, kTempsEcoule);
            Compte(NbFausses, facile);
            return;
        }
        // After "Je ne sais pas" the text is recognised the same way, without refusal.
        const int accepte = NumeroSaisi(Rep->text());
        if (NeSaisPas == 0 && accepte == 0) {
            Son(u"Faute.wav"_s);
            return;
        }
        if (TempsLimite())
            platform::setTimerEnabled(Timer1, false);
        if (NumeroJuste(Rep->text(), accepte, T)) {
            BonneReponse(facile);
            return;
        }
        Son(u"Erreur.wav"_s);
        if (NeSaisPas == 0) {
            LigneErreur(ligne);
            QString message = u"Mauvaise Réponse !"_s + CRLF + attendu;
            if (facile)
                message += CRLF + CRLF + u"Le département n° "_s + Rep->text() + u" a pour préfecture "_s + PrefDep[accepte];
            MsgBox(message, 48, kFaux);
        } else {
            MsgBox(u"Vous ne savez pas ?"_s + CRLF + attendu, 48, kFaux);
            LigneErreur(ligne);
        }
        Compte(NbFausses, facile);
        return;
    }

    // Game 14: the name of the painted région.
    const QString attendu = u"C'était "_s + NomRegion[T];
    if (TempsEcoule == 1) {
        Son(u"Erreur.wav"_s);
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + attendu, 48, kTempsEcoule);
        Compte(NbFausses, true);
        return;
    }
    if (NeSaisPas == 0 && regionNommee(Rep->text()) == 0) {
        Son(u"Faute.wav"_s);
        return;
    }
    if (TempsLimite())
        platform::setTimerEnabled(Timer1, false);
    if (Egal(Rep->text(), NomRegion[T])) {
        BonneReponse(true);
        return;
    }
    Son(u"Erreur.wav"_s);
    MsgBox((NeSaisPas == 0 ? u"Mauvaise Réponse !"_s : u"Vous ne savez pas ?"_s) + CRLF + attendu, 48, kFaux);
    Compte(NbFausses, true);
}

// ================================================================ answers of games 16 to 20

void CarteDep::CorrigeJeux16a20()
{
    const int g = jeuParmi(Jeu(), 16, 20);
    if (g == 0)
        return;
    const int T = platform::CInt(Tirage);
    const bool facile = NiveauFacile();

    if (g >= 16 && g <= 18) {
        Multiple m;
        m.parNom = g != 16;
        m.rapport = g == 17;
        m.neSaitPas = g == 17 ? u"Vous ne savez pas ? C'était :"_s : u"Vous ne savez pas ?. C'était :"_s;
        corrigeMultiple(this, m);
        return;
    }

    if (g == 20) {
        corrigeCarte(this, true);
        return;
    }

    // Game 19: the name of the région whose départements are shown.
    const QString attendu = u"C'était "_s + NomRegion[T];
    QString ligne;
    for (int d : departementsDe(T))
        ligne += numeroConverti(d) + u" - "_s;
    ligne += u" : "_s + NomRegion[T];

    if (TempsEcoule == 1) {
        Son(u"Erreur.wav"_s);
        LigneErreur(ligne);
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + attendu, 48, kTempsEcoule);
        Compte(NbFausses, facile);
        return;
    }
    int trouvee = 0;
    if (NeSaisPas == 0) {
        trouvee = regionNommee(Rep->text());
        if (trouvee == 0) {
            Son(u"Faute.wav"_s);
            return;
        }
    }
    if (TempsLimite())
        platform::setTimerEnabled(Timer1, false);
    if (Egal(Rep->text(), NomRegion[T])) {
        BonneReponse(facile);
        return;
    }
    Son(u"Erreur.wav"_s);
    if (NeSaisPas == 1) {
        MsgBox(u"Vous ne savez pas ?"_s + CRLF + attendu, 48, kFaux);
        LigneErreur(ligne);
    } else if (facile) {
        LigneErreur(ligne);
        QString liste;
        for (int d : departementsDe(trouvee))
            liste += numeroConverti(d) + u"-"_s;
        MsgBox(u"Mauvaise Réponse !."_s + CRLF + attendu + CRLF + CRLF + Rep->text() + u" a pour département :"_s
                   + liste,
               0, kFaux);
    } else {
        MsgBox(u"Mauvaise Réponse !."_s + CRLF + attendu, 0, kFaux);
    }
    Compte(NbFausses, facile);
}
