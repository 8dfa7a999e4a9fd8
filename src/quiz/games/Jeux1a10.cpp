// Games 1 to 10: départements by number, name and préfecture; placing a
// département on the map.
#include "quiz/CarteDep.h"
#include "quiz/games/TextesJeux.h"

#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"

using namespace Qt::StringLiterals;
using namespace jeux;
using platform::MsgBox;
using platform::Str;


// ---------------------------------------------------------------- games 1 to 5

void CarteDep::CorrigeJeux1a5()
{
    const int g = jeuParmi(Jeu(), 1, 5);
    if (g == 0)
        return;
    const int n = platform::CInt(Tirage);
    const QString T = Rep->text();
    const bool facile = NiveauFacile();

    if (g == 3 || g == 4) {
        // Map games: the verdict goes on the panel; btnOK counts it.
        enum { Juste, Fausse, NeSait, Temps } verdict;
        if (TempsEcoule == 0) {
            if (NeSaisPas == 0 && DepTrouve == 0) {
                Son(u"Faute.wav"_s);
                return;
            }
            if (TempsLimite())
                platform::setTimerEnabled(Timer1, false);
            if (float(DepClique) == Tirage)
                verdict = Juste;
            else
                verdict = NeSaisPas == 0 ? Fausse : NeSait;
        } else {
            verdict = Temps;
        }
        const int c = DepClique;
        switch (verdict) {
        case Juste:
            Son(u"Message.wav"_s);
            ColorieTirage();
            MontreVerdict(QString(), CRLF + u"Bonne Réponse !"_s, 1);
            break;
        case Fausse: {
            Son(u"Erreur.wav"_s);
            ColorieErreurDep();
            QString texte = CRLF + u"Département attendu en vert."_s;
            if (facile) {
                const QString attendu = u"Département attendu en vert."_s + CRLF;
                if (g == 3) {
                    if (c == 20)
                        texte = attendu + u"En Rouge c'est 2B : Haute Corse "_s;
                    else if (c == 96)
                        texte = attendu + u"En Rouge c'est 2A : Corse du Sud"_s;
                    else
                        texte = attendu + u"En Rouge c'est"_s + Str(c) + u" : "_s + NomDep[c];
                } else {
                    if (c == 20 || c == 96)
                        texte = attendu + u"En Rouge c'est "_s + NomDep[c] + u" ("_s + NumeroDep(c) + u")"_s;
                    else
                        texte = attendu + u"En Rouge c'est "_s + NomDep[c] + u" :"_s + Str(c);
                }
            }
            MontreVerdict(u"Mauvaise Réponse !"_s, texte, 2);
            break;
        }
        case NeSait:
        case Temps:
            Son(u"Erreur.wav"_s);
            ColorieTirage();
            DepTrouve = 1;
            SolutionVue = 1;
            MontreVerdict(verdict == NeSait ? u"Vous ne savez pas ?"_s : u"Le Temps est écoulé !"_s,
                          CRLF + u"Département attendu en vert."_s, verdict == NeSait ? 2 : 3);
            break;
        }
        return;
    }

    // Typed games 1, 2 and 5.
    const std::array<QString, 98>& table = g == 5 ? PrefDep : NomDep;
    const QString attendu = g == 2 ? (u"C'était"_s + numero(n)) : (u"C'était "_s + table[n]);
    QString ligne;
    if (g == 1)
        ligne = numero(n).mid(n == 20 || n == 96 ? 1 : 0) + u" : "_s + NomDep[n];
    else if (g == 2)
        ligne = NomDep[n] + u" : "_s + ((n == 20 || n == 96) ? NumeroDep(n) : Str(n));
    else
        ligne = numero(n).mid(n == 20 || n == 96 ? 1 : 0) + u" : "_s + PrefDep[n];

    if (TempsEcoule == 1) {
        Son(u"Erreur.wav"_s);
        const QString message = u"Le Temps est écoulé !."_s + CRLF + attendu;
        if (g == 5) {
            MsgBox(message, 48, kTempsEcoule);
            LigneErreur(ligne);
        } else {
            LigneErreur(ligne);
            MsgBox(message, 48, kTempsEcoule);
        }
        NbFausses += 1;
        Note->setText(TexteScore(NbBonnes, NbFausses));
        if (facile)
            MasqueEtMontre();
        Rep->clear();
        PoseQuestion();
        return;
    }

    // The index the text names: a département (1, 2) or whose préfecture it is (5).
    const int f = g == 2 ? NumeroSaisi(T) : Recherche(table, T);
    if (NeSaisPas == 0 && f == 0) {
        Son(u"Faute.wav"_s);
        return;
    }
    if (TempsLimite())
        platform::setTimerEnabled(Timer1, false);
    // After "Je ne sais pas" the text is recognised as Enter would: an
    // expected answer already typed still counts.
    const bool juste = g == 2 ? NumeroJuste(T, f, n) : Egal(T, table[n]);
    if (juste) {
        BonneReponse(facile);
        return;
    }
    Son(u"Erreur.wav"_s);
    if (NeSaisPas == 0) {
        QString message = u"Mauvaise Réponse !."_s + CRLF + attendu;
        if (facile) {
            if (g == 1)
                message += CRLF + CRLF + T + u" c'est le numéro"_s + numero(f);
            else if (g == 2)
                message += CRLF + CRLF + T + u" c'est "_s + NomDep[f];
            else
                message += CRLF + CRLF + T + u" c'est la préfecture du département"_s + numero(f);
        }
        LigneErreur(ligne);
        MsgBox(message, 48, kFaux);
    } else {
        const QString message = u"Vous ne savez pas ?"_s + CRLF + attendu;
        if (g == 2) {
            LigneErreur(ligne);
            MsgBox(message, 48, kFaux);
        } else {
            MsgBox(message, 48, kFaux);
            LigneErreur(ligne);
        }
    }
    Compte(NbFausses, facile);
}

// ---------------------------------------------------------------- games 6 to 10

void CarteDep::PoseQuestionJeux6a10()
{
    const int g = jeuParmi(Jeu(), 6, 10);
    if (g == 0)
        return;

    static const char16_t* const kInfobulles[5] = {
        u"Q: Nom d'un département  -  R: Nom de la préfecture départementale",
        u"Q: Colorie un département  -  R: Numéro du département",
        u"Q: Colorie un département  -  R: Nom du département",
        u"Q: Colorie un département  -  R: Nom de la préfecture du département",
        u"Q: Nom de la préfecture départementale  -  R: Nom du département"};
    static const char16_t* const kAideFacile[5] = {
        u"Colorie le département, donne son numéro et la liste des préfectures",
        u"Indique le nom du département colorié", u"Indique le numéro du département colorié",
        u"Donne le nom et le n° du département + liste des préfectures",
        u"Colorie le département et indique son numéro"};
    static const char16_t* const kAideDifficile[5] = {
        u"Ne colorie pas le département, ne donne pas son numéro ni la liste des préfectures",
        u"N'indique pas le nom du département colorié", u"N'indique pas le numéro du département colorié",
        u"Ne donne pas le nom, ni le n° du département, ni la liste des préfectures",
        u"Ne colorie pas le département et n'indique pas son numéro"};

    Label1->setToolTip(QString::fromUtf16(kInfobulles[g - 6]));
    if (g == 6 || g == 9)
        ListRep->setCurrentIndex(-1);
    SolutionVue = 0;
    DepClique = 0;
    if (TempsIllimite()) {
        PlaceHaut(Score, 4080);
        PlaceHaut(NoSais, 4250);
    }
    if (NbQuestToutes())
        NbQuestions = 96;
    QString resume;
    if (g == 6)
        resume = u"Q: Nom d'un département  -  R : Nom de la préfecture départementale"_s;
    else if (g == 10)
        resume = u"Q: Nom de la préfecture départementale  -  R : Nom du département"_s;
    if (!TireQuestion(96, resume))
        return;
    const int n = int(Tirage);
    const bool corse = n == 20 || n == 96;
    Label1->setText(u"Jeu n° "_s + QString::number(g));

    QString facile, difficile;
    switch (g) {
    case 6:
        facile = u"Quel est le nom de la préfecture du département "_s + NomDep[n]
            + (corse ? u" ("_s + NumeroDep(n) + u")"_s : u" : "_s + Str(n));
        difficile = n == 96 ? u"Quel est le nom du la préfecture du département Corse du Sud"_s
                            : u"Quel est le nom de la préfecture du département "_s + NomDep[n];
        break;
    case 7:
        facile = u"Quel est le n° du département colorié"_s + CRLF + NomDep[n];
        difficile = CRLF + u"Quel est le n° du département colorié"_s;
        break;
    case 8:
        facile = u"Quel est le nom du département colorié"_s + CRLF + (corse ? NumeroDep(n) : Str(n));
        difficile = CRLF + u"Quel est le nom du département colorié"_s;
        break;
    case 9:
        facile = corse ? u"Quel est le nom de la préfecture du "_s + CRLF + u"département "_s + NomDep[n] + u" : "_s
                + NumeroDep(n)
                       : u"Quel est le nom de la préfecture du"_s + CRLF + u"département "_s + NomDep[n] + u" : "_s
                + Str(n);
        difficile = u"Quel est le nom de la préfecture du"_s + CRLF + u"département colorié"_s;
        break;
    case 10:
        facile = u"Quel est le nom du département"_s + numero(n) + CRLF + u"ayant pour préfecture : "_s + CRLF
            + PrefDep[n];
        difficile = u"Quel est le nom du département"_s + CRLF + u"ayant pour préfecture : "_s + CRLF + PrefDep[n];
        break;
    }
    if (NiveauFacile()) {
        LblQuest->setText(facile);
        if (g == 6 || g == 9) {
            ListRep->show();
            ListRepOk->show();
            Rep->hide();
        }
    }
    if (NiveauDifficile())
        LblQuest->setText(difficile);
    NumeroteQuestion();
    MontreAide(QString::fromUtf16(kAideFacile[g - 6]), QString::fromUtf16(kAideDifficile[g - 6]));
    EtapeOuverture();
}

void CarteDep::CorrigeJeux6a10()
{
    const int g = jeuParmi(Jeu(), 6, 10);
    if (g == 0)
        return;
    const int n = platform::CInt(Tirage);
    const QString T = Rep->text();
    const bool facile = NiveauFacile();
    // Games 7, 8 and 9 are painted at both levels, 6 and 10 at the easy one.
    const bool repeint = (g == 7 || g == 8 || g == 9) || facile;
    const bool rapport = g == 6 || g == 10;
    const std::array<QString, 98>& table = (g == 6 || g == 9) ? PrefDep : NomDep;
    const QString attendu = g == 7 ? u"C'était"_s + numero(n) : u"C'était "_s + table[n];
    const QString ligne = g == 6 ? NomDep[n] + u" : "_s + PrefDep[n] : PrefDep[n] + u" : "_s + NomDep[n];

    if (TempsEcoule != 0) {
        Son(u"Erreur.wav"_s);
        if (rapport)
            LigneErreur(ligne);
        MsgBox(u"Le Temps est écoulé !."_s + CRLF + attendu, 48, kTempsEcoule);
        NbFausses += 1;
        Note->setText(TexteScore(NbBonnes, NbFausses));
        if (repeint)
            MasqueEtMontre();
        Rep->clear();
        PoseQuestion();
        return;
    }

    // After "Je ne sais pas" the text is recognised as Enter would, without refusal.
    const int r = g == 7 ? NumeroSaisi(T) : Recherche(table, T);
    if (NeSaisPas == 0 && r == 0) {
        Son(u"Faute.wav"_s);
        return;
    }
    if (TempsLimite())
        platform::setTimerEnabled(Timer1, false);
    const bool juste = g == 7 ? NumeroJuste(T, r, n) : Egal(T, table[n]);
    if (juste) {
        BonneReponse(repeint);
        return;
    }
    Son(u"Erreur.wav"_s);
    if (NeSaisPas == 0) {
        QString message = (g == 9 || g == 10 ? u"Mauvaise Réponse !"_s : u"Mauvaise Réponse !."_s) + CRLF + attendu;
        if (facile && g == 6)
            message += CRLF + CRLF + T + u" c'est la préfecture du département "_s + NomDep[r];
        if (facile && g == 10)
            message += CRLF + CRLF + T + u" a pour préfecture "_s + PrefDep[r];
        if (rapport)
            LigneErreur(ligne);
        MsgBox(message, 48, kFaux);
    } else {
        MsgBox(u"Vous ne savez pas ?"_s + CRLF + attendu, 48, kFaux);
        if (rapport)
            LigneErreur(ligne);
    }
    Compte(NbFausses, repeint);
}
