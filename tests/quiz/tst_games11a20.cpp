// Games 11 to 20 played in the real quiz window: the first question of each
// game, the département boxes, typed, listed and map answers, the answers of
// several boxes (validation, confirmation, marks, partial credit with exact
// counts), report lines and whole games.
#include "QuizFixture.h"

#include "app/Sommaire.h"
#include "platform/Conversions.h"

#include <QPointer>
#include <random>

using namespace Qt::StringLiterals;

namespace {

const QString CRLF = u"\r\n"_s;
const QString NOTE_1 = u" 1/ 1 soit  100 % "_s, NOTE_0 = u" 0/ 1 soit  0 % "_s;

bool parNom(int g) { return g == 17 || g == 18; }
// Five questions of which the second is wrong: in games 15 to 18 five boxes of six still count.
QString rowScore(int g) { return g >= 15 && g <= 18 ? u" 2.83/ 5 soit  56.67 % "_s : u" 2/ 5 soit  40 % "_s; }

// The marks' pictures: a green or red middle on the grey that is taken for their background,
// down to (8, 17), where the drawn tick and cross both pass.
void ecritMarques()
{
    for (const auto& [nom, couleur] : {std::pair{u"Ok.bmp"_s, QColor(Qt::green)}, std::pair{u"Faux.bmp"_s, QColor(Qt::red)}}) {
        QImage image(25, 25, QImage::Format_RGB32);
        image.fill(QColor(240, 240, 240));
        for (int x = 8; x < 17; ++x) {
            for (int y = 8; y < 18; ++y)
                image.setPixelColor(x, y, couleur);
        }
        QVERIFY(image.save(platform::appFile(nom), "BMP"));
    }
}

} // namespace

class TestGames11a20 : public QObject, QuizFixture {
    Q_OBJECT

private slots:
    void init() { ouvre(); }
    void cleanup() { ferme(); }

    void questions_data()
    {
        colonnesQuestion();
        const QString rep = u"Rep OK"_s, liste = u"OK ListRep"_s;
        const QString q11 = u"Quel est le n° du département "_s;
        const QString p12 = u"Placer la préfecture suivante dans le bon département"_s;
        jeu(11, u"Q: Nom de la préfecture départementale  -  R: Numéro du département"_s,
            u"Colorie le département et indique son nom"_s, u"Ne colorie pas le département et n'indique pas son nom"_s);
        ligneQuestion("11 easy 2A", 0, 96, CRLF + q11 + u"Corse du Sud ayant pour préfecture : \r\nAjaccio"_s, rep, 4080);
        ligneQuestion("11 easy 2B", 0, 20, q11 + u"Haute Corse ayant pour préfecture : \r\nBastia"_s, rep, 4080);
        ligneQuestion("11 hard 2A", 1, 96, CRLF + q11 + u"ayant pour préfecture : \r\nAjaccio"_s, rep, 4560, 4080);
        jeu(12, u"Q: Nom de la préfecture départementale  -  R: Positionner la préfecture dans le bon département"_s,
            u"Indique le numéro du département"_s, u"N'indique pas le numéro du département"_s);
        ligneQuestion("12 easy 5", 0, 5, p12 + u" : 5\r\nGap"_s, {}, 2880);
        ligneQuestion("12 easy 2B", 0, 20, p12 + u" : 2B\r\nBastia"_s, {}, 2880);
        ligneQuestion("12 hard 5", 1, 5, p12 + u"\r\nGap"_s, {}, 3320, 2880);
        jeu(13, u"Q: Nom d'une région  -  R: Positionner la région"_s,
            u"Indique le numéro et le nom des départements"_s,
            u"N'indique pas le numéro, ni le nom des départements"_s);
        ligneQuestion("13 easy", 0, 8, u"Placer la région Corse sur la carte"_s, u"Info"_s, 6480);
        ligneQuestion("13 hard", 1, 1, u"Placer la région Alsace sur la carte"_s, {}, 6480, 7200);
        jeu(14, u"Q: Colorie une région  -  R: Nom de la région"_s, u"Donne la liste des régions"_s,
            u"Ne donne pas la liste des régions"_s);
        ligneQuestion("14 easy", 0, 1, u"Quel est le nom de la région coloriée"_s, liste, 4080);
        ligneQuestion("14 hard", 1, 1, u"Quel est le nom de la région coloriée"_s, rep, 4560, 4080);
        jeu(15, u"Q: Nom d'une région  -  R: Numéro des départements"_s,
            u"Colorie la région et donne le nom des départements"_s,
            u"Ne colorie pas la région et ne donne pas le nom des départements"_s);
        ligneQuestion("15 easy", 0, 1, u"Indiquer le n° des départements de la région Alsace"_s, u"Info"_s, 6480);
        ligneQuestion("15 hard", 1, 14, u"Indiquer le n° des départements de la région Midi-Pyrénées"_s, u"Info"_s, 6480,
                      7200);
        jeu(16, u"Q: Colorie une région  -  R: Numéro des départements"_s,
            u"Indique le nom de la région et le nom des départements"_s,
            u"N'indique pas le nom de la région, ni le nom des départements"_s);
        ligneQuestion("16 easy", 0, 8, u"Indiquer le n° des départements de la région coloriée\r\nCorse"_s, u"Info"_s, 6480);
        ligneQuestion("16 hard", 1, 8, u"Indiquer le n° des départements de la région coloriée"_s, u"Info"_s, 6480, 7200);
        jeu(17, u"Q: Nom d'une région  -  R: Nom des départements"_s,
            u"Colorie la région et donne le numéro des départements"_s,
            u"Ne colorie pas la région et ne donne pas le numéro des départements"_s,
            u"Q: Nom d'une région  -  R : Noms des départements"_s);
        ligneQuestion("17 easy", 0, 1, u"Indiquer le nom des départements de la région Alsace"_s, u"Info"_s, 6480);
        ligneQuestion("17 hard", 1, 22, u"Indiquer le nom des départements de la région Rhône-Alpes"_s, u"Info"_s, 6480,
                      7200);
        jeu(18, u"Q: Colorie une région  -  R: Noms des départements"_s,
            u"Indique le nom de la région et le numéro des départements"_s,
            u"N'indique pas le nom de la région, ni les numéro des départements"_s);
        ligneQuestion("18 easy", 0, 1, u"Indiquer le nom des départements de la région coloriée\r\nAlsace"_s, u"Info"_s,
                      6480);
        ligneQuestion("18 hard", 1, 1, u"Indiquer le nom des départements de la région coloriée"_s, u"Info"_s, 6480, 7200);
        jeu(19, u"Q: Numéro des départements  -  R: Nom de la région"_s,
            u"Colorie la région, donne le nom des départements et la liste des régions"_s,
            u"Ne colorie pas la région, ne donne pas le nom des départements, ni la liste des régions"_s);
        ligneQuestion("19 easy", 0, 1, u"Question  1/ 10 : Nom de la région :"_s, u"Info OK ListRep"_s, 6480);
        ligneQuestion("19 hard", 1, 1, u"Question  1/ 22 : Nom de la région :"_s, u"Info Rep OK"_s, 6480, 7200);
        jeu(20, u"Q: Numéro des départements  -  R: Positionner la région correspondante"_s,
            u"Indique le nom des départements"_s, u"N'indique pas le nom des départements"_s);
        ligneQuestion("20 easy", 0, 1, u" Positionner la région correspondante"_s, u"Info"_s, 6480);
        ligneQuestion("20 hard", 1, 8, u" Positionner la région correspondante"_s, u"Info"_s, 6480, 7200);
    }
    void questions() { question(); }

    void answerRows_data()
    {
        colonnesCases();
        const QStringList noms{u"Ain"_s, u"Haute Corse"_s, u"Corse du Sud"_s}, vides{{}, {}, {}};
        const QStringList numeros{u"1"_s, u"2B"_s, u"2A"_s};
        const QString n15 = u"N° des départements ?"_s, n17 = u"Nom des départements ?"_s;
        ligneCases("13 easy", 13, 0, {u" 1"_s, u"2B"_s, u"2A"_s}, noms, {}, {120, 720}, u"N° et nom des départements"_s);
        ligneCases("13 hard", 13, 1, {}, {}, {}, {}, {});
        for (int g : {15, 16}) {
            ligneCases(qPrintable(u"%1 easy"_s.arg(g)), g, 0, vides, noms, u"D"_s, {120, 720, 3600}, n15);
            ligneCases(qPrintable(u"%1 hard"_s.arg(g)), g, 1, vides, {}, u"D"_s, {1820, 0, 2520}, n15);
        }
        ligneCases("17 easy", 17, 0, numeros, vides, u"ND"_s, {120, 720, 3600}, n17);
        ligneCases("17 hard", 17, 1, {}, vides, u"ND"_s, {0, 700, 3650}, n17);
        ligneCases("18 easy", 18, 0, numeros, vides, u"ND"_s, {120, 720, 3600}, n17);
        ligneCases("18 hard", 18, 1, {}, vides, u"ND"_s, {0, 720, 3650}, n17);
        ligneCases("19 easy", 19, 0, numeros, noms, {}, {120, 720}, {});
        ligneCases("19 hard", 19, 1, numeros, {}, {}, {1700, 0}, {});
        ligneCases("20 easy", 20, 0, numeros, noms, {}, {120, 720}, u"N° et nom des départements :"_s);
        ligneCases("20 hard", 20, 1, numeros, {}, {}, {1700, 0}, u"N° des départements :"_s);
    }
    void answerRows() { cases(); }

    // ------------------------------------------------------------ one typed or listed answer (11, 14, 19)

    void verdicts_data()
    {
        colonnesVerdict();
        const QString faux = u"Mauvaise Réponse !\r\nC'était "_s, nsp = u"Vous ne savez pas ?\r\nC'était "_s;
        const QString temps = u"Le Temps est écoulé !.\r\nC'était "_s, faux19 = u"Mauvaise Réponse !.\r\nC'était "_s;
        // Game 11: the number of a préfecture's département.
        ligneVerdict("11 2b small with blanks", 11, 0, 1, 20, u" 2b "_s, "entree", kJuste);
        ligneVerdict("11 2A for 2A", 11, 1, 1, 96, u"2A"_s, "entree", kJuste);
        ligneVerdict("11 leading zero", 11, 1, 1, 5, u"05"_s, "entree", kJuste);
        ligneVerdict("11 blanks around", 11, 0, 1, 5, u" 5 "_s, "entree", kJuste);
        for (const char* refuse : {"20", "96", "0", "-3", "abc", "97", "20.5", "2C", "   "})
            ligneVerdict(qPrintable(u"11 refuses "_s + QLatin1String(refuse)), 11, 0, 1, 96, QLatin1String(refuse), "entree");
        ligneVerdict("11 easy 7.5 for 8", 11, 0, 1, 8, u"7.5"_s, "entree",
                     faux + u"8\r\n\r\nLe département n° 7.5 a pour préfecture Charleville-Mézières"_s, 48, u"Charleville-Mézières :  8"_s);
        ligneVerdict("11 easy 13 for 2A", 11, 0, 1, 96, u"13"_s, "entree",
                     faux + u"2A\r\n\r\nLe département n° 13 a pour préfecture Marseille"_s, 48, u"Ajaccio : 2A"_s);
        ligneVerdict("11 easy 2b for 5", 11, 0, 1, 5, u"2b"_s, "entree",
                     faux + u"5\r\n\r\nLe département n° 2b a pour préfecture Bastia"_s, 48, u"Gap :  5"_s);
        ligneVerdict("11 hard 7 for 2B", 11, 1, 1, 20, u"7"_s, "entree", faux + u"2B"_s, 48, u"Bastia : 2B"_s);
        ligneVerdict("11 don't know", 11, 0, 1, 5, {}, "nesaispas", nsp + u"5"_s, 48, u"Gap :  5"_s, false);
        ligneVerdict("11 don't know, a word typed", 11, 1, 1, 96, u"xyz"_s, "nesaispas", nsp + u"2A"_s, 48,
                     u"Ajaccio : 2A"_s, false);
        ligneVerdict("11 don't know, the answer typed", 11, 0, 1, 5, u"5"_s, "nesaispas", kJuste);
        // After "Je ne sais pas" the text is recognised as Enter does: "2B" is 20, "20" is nothing.
        ligneVerdict("11 don't know, 2B typed for 2B", 11, 1, 1, 20, u"2B"_s, "nesaispas", kJuste);
        ligneVerdict("11 don't know, 20 typed for 2B", 11, 1, 1, 20, u"20"_s, "nesaispas", nsp + u"2B"_s, 48,
                     u"Bastia : 2B"_s, false);
        ligneVerdict("11 don't know, 2A typed for 2", 11, 1, 1, 2, u"2A"_s, "nesaispas", nsp + u"2"_s, 48, u"Laon :  2"_s,
                     false);
        ligneVerdict("11 time over, the answer typed", 11, 1, 1, 5, u"5"_s, "temps", temps + u"5"_s, 48, u"Gap :  5"_s);
        // Game 14: the name of the painted région; no report.
        ligneVerdict("14 trailing blank", 14, 1, 1, 1, u"Alsace "_s, "entree");
        ligneVerdict("14 small letters", 14, 1, 1, 1, u"alsace"_s, "entree", kJuste);
        ligneVerdict("14 wrong", 14, 1, 1, 8, u"Lorraine"_s, "entree", faux + u"Corse"_s, 48);
        ligneVerdict("14 don't know, the answer typed", 14, 1, 1, 13, u"LORRAINE"_s, "nesaispas", kJuste);
        ligneVerdict("14 don't know", 14, 0, 1, 22, {}, "nesaispas", nsp + u"Rhône-Alpes"_s, 48);
        ligneVerdict("14 time over", 14, 1, 1, 2, u"Aquitaine"_s, "temps", temps + u"Aquitaine"_s, 48);
        ligneVerdict("14 easy, nothing picked", 14, 0, 1, 1, {}, "liste");
        ligneVerdict("14 easy, right pick", 14, 0, 1, 1, u"Alsace"_s, "liste", kJuste);
        ligneVerdict("14 easy, wrong pick", 14, 0, 1, 2, u"Corse"_s, "liste", faux + u"Aquitaine"_s, 48);
        // Game 19: the région of the listed départements.
        const QString alsace = u" 67 -  68 -  : Alsace"_s, corse = u"2B - 2A -  : Corse"_s;
        ligneVerdict("19 easy Lorraine for Alsace", 19, 0, 1, 1, u"Lorraine"_s, "liste",
                     faux19 + u"Alsace\r\n\r\nLorraine a pour département : 54- 55- 57- 88-"_s, 0, alsace);
        ligneVerdict("19 easy Corse for Alsace", 19, 0, 1, 1, u"Corse"_s, "liste",
                     faux19 + u"Alsace\r\n\r\nCorse a pour département :2B-2A-"_s, 0, alsace);
        ligneVerdict("19 easy Rhône-Alpes for Corse", 19, 0, 1, 8, u"Rhône-Alpes"_s, "liste",
                     faux19 + u"Corse\r\n\r\nRhône-Alpes a pour département : 1- 7- 26- 38- 42- 69- 73- 74-"_s, 0, corse);
        ligneVerdict("19 hard wrong", 19, 1, 1, 1, u"lorraine"_s, "entree", faux19 + u"Alsace"_s, 0);
        ligneVerdict("19 hard don't know", 19, 1, 1, 8, {}, "nesaispas", nsp + u"Corse"_s, 48, corse, false);
        ligneVerdict("19 easy don't know", 19, 0, 1, 1, {}, "nesaispas", nsp + u"Alsace"_s, 48, alsace, false);
        ligneVerdict("19 don't know, the answer typed", 19, 1, 1, 1, u"ALSACE"_s, "nesaispas", kJuste);
        ligneVerdict("19 trailing blank", 19, 1, 1, 1, u"Alsace "_s, "entree");
        ligneVerdict("19 small letters", 19, 1, 1, 1, u"alsace"_s, "entree", kJuste);
        ligneVerdict("19 time over", 19, 1, 1, 8, u"Corse"_s, "temps", temps + u"Corse"_s, 48, corse);
    }
    void verdicts() { verdict(); }

    void game11ReportInQuestionOrder()
    {
        CarteDep* c = lance({.jeu = u"11"_s, .niveau = 1}, {tirage96(5), tirage96(96), tirage96(7)});
        tape(c, u"7"_s);
        tape(c, u"13"_s);
        QCOMPARE(lignesRapport(), (QStringList{u"Gap :  5"_s, u"Ajaccio : 2A"_s}));
        QCOMPARE(c->LblQuest->text(), u"Quel est le n° du département ayant pour préfecture : \r\nPrivas"_s);
    }

    // ------------------------------------------------------------ map games 12, 13, 20

    void mapVerdicts_data()
    {
        colonnesCarte();
        const QString dep = u"Département attendu en vert."_s, reg = u"Région attendue en vert."_s;
        const QString mauvaise = u"Mauvaise Réponse !"_s, nsp = u"Vous ne savez pas ?"_s;
        const QString temps = u"Le Temps est écoulé !"_s, bonne = u"\r\nBonne Réponse !"_s;
        // Game 12 asks Ain (1); games 13 and 20 ask Rhône-Alpes (22).
        ligneCarte("12 right", 12, 0, 1, 1, {}, bonne, true);
        ligneCarte("12 easy wrong", 12, 0, 1, 96, mauvaise, u"La préfecture du département en rouge est : Ajaccio\r\n"_s + dep);
        ligneCarte("12 hard wrong", 12, 1, 1, 7, mauvaise, CRLF + dep);
        ligneCarte("12 don't know", 12, 0, 1, 0, nsp, CRLF + dep);
        ligneCarte("12 time over", 12, 1, 1, -1, temps, CRLF + dep);
        for (int g : {13, 20}) {
            ligneCarte(qPrintable(u"%1 right on another département of the région"_s.arg(g)), g, 0, 22, 74, {}, bonne, true);
            ligneCarte(qPrintable(u"%1 easy wrong"_s.arg(g)), g, 0, 22, 20, mauvaise, reg + u"\r\nEn Rouge c'est Corse"_s);
            ligneCarte(qPrintable(u"%1 hard wrong"_s.arg(g)), g, 1, 22, 67, mauvaise, CRLF + reg);
            ligneCarte(qPrintable(u"%1 don't know"_s.arg(g)), g, 1, 22, 0, nsp, CRLF + reg);
            ligneCarte(qPrintable(u"%1 time over"_s.arg(g)), g, 0, 22, -1, temps, CRLF + reg);
        }
    }
    void mapVerdicts() { verdictCarte(); }

    // ------------------------------------------------------------ several answers (15 to 18)

    void multiAnswers_data()
    {
        // marques: none when the set is refused; texte: the refusal, or the lines after "La solution était :";
        // ligne: the report line of games 15 and 17.
        colonnes<int>({"g", "niveau", "region"});
        colonnes<QStringList>({"saisies"});
        colonnes<QList<bool>>({"marques"});
        colonnes<QString>({"texte", "note", "ligne"});
        using L = QStringList;
        auto row = [](const char* name, int g, int niveau, int region, const L& saisies, const QList<bool>& marques,
                      const QString& texte = {}, const QString& note = NOTE_1, const QString& ligne = {}) {
            QTest::addRow(name, g) << g << niveau << region << saisies << marques << texte << note << ligne;
        };
        const QString numeros = u"Erreur dans les numéros des départements. Corriger"_s;
        const QString repetes = u"Des numéros ont été saisies plusieurs fois. Corriger"_s;
        const QString noms = u"Erreur dans les noms des départements. Corriger"_s;
        const QString corseFacile = u"2B : Haute Corse\r\n2A : Corse du Sud\r\n"_s;
        const QList<bool> deuxJustes{true, true}, deuxFaux{false, false};
        for (int g : {15, 16}) {
            for (const char* t : {"20", "96", "0", "0.4", "abc", "-4", "95.5", "19.5", "20.5"})
                row(qPrintable(u"%d refuses "_s + QLatin1String(t)), g, 1, 8, {QLatin1String(t), u"2A"_s}, {}, numeros);
            row("%d 5 and 05", g, 1, 3, {u"5"_s, u"05"_s}, {}, repetes);
            row("%d 7.4 and 7", g, 1, 22, {u"7.4"_s, u"7"_s}, {}, repetes);
            row("%d 2B twice", g, 0, 8, {u"2B"_s, u"2B"_s}, {}, repetes);
            // Small letters are not Corsica: "2a" is the number 2, Aisne.
            row("%d hard 2a and 2A", g, 1, 8, {u"2a"_s, u"2A"_s}, {false, true}, u"2B\r\n2A\r\n"_s, u" .5/ 1 soit  50 % "_s,
                u"Corse : 2B - 2A - "_s);
            row("%d easy 2b for Aisne", g, 0, 19, {u"2b"_s, u"60.2"_s, u"80x"_s}, {true, true, true});
            row("%d hard decimals and letters", g, 1, 22,
                {u"7.4"_s, u"1x"_s, u"26 "_s, u"37.5"_s, u"42"_s, u"69"_s, u"73"_s, u"74"_s}, QList<bool>(8, true));
            row("%d easy Corse right", g, 0, 8, {u"2B"_s, u"2A"_s}, deuxJustes);
            row("%d easy Corse swapped", g, 0, 8, {u"2A"_s, u"2B"_s}, deuxFaux, corseFacile, NOTE_0, u"Corse : 2B - 2A - "_s);
            row("%d hard Corse swapped", g, 1, 8, {u"2A"_s, u"2B"_s}, deuxJustes);
            row("%d all empty", g, 1, 3, {}, {false, false, false, false}, u" 3\r\n 15\r\n 43\r\n 63\r\n"_s, NOTE_0,
                u"Auvergne :  3 -  15 -  43 -  63 - "_s);
            row("%d hard 3 of 5", g, 1, 2, {u"64"_s, u"40"_s, u""_s, u"33"_s, u"1"_s}, {true, true, false, true, false},
                u" 24\r\n 33\r\n 40\r\n 47\r\n 64\r\n"_s, u" .6/ 1 soit  60 % "_s,
                u"Aquitaine :  24 -  33 -  40 -  47 -  64 - "_s);
            row("%d hard 7 of 8", g, 1, 22, {u"07"_s, u"1"_s, u"26"_s, u"38"_s, u"42"_s, u"69"_s, u"73"_s, u"5"_s},
                {true, true, true, true, true, true, true, false},
                u" 1\r\n 7\r\n 26\r\n 38\r\n 42\r\n 69\r\n 73\r\n 74\r\n"_s, u" .88/ 1 soit  87.5 % "_s,
                u"Rhône-Alpes :  1 -  7 -  26 -  38 -  42 -  69 -  73 -  74 - "_s);
        }
        for (int g : {17, 18}) {
            row("%d no accent", g, 1, 22, {u"Ardeche"_s}, {}, noms);
            row("%d trailing blank", g, 0, 1, {u"Bas Rhin "_s}, {}, noms);
            row("%d hyphen", g, 1, 1, {u"Bas-Rhin"_s}, {}, noms);
            row("%d twice in other capitals", g, 0, 1, {u"Bas Rhin"_s, u"BAS RHIN"_s}, {},
                u"Des noms ont été saisis plusieurs fois. Corriger"_s);
            row("%d easy small letters", g, 0, 1, {u"bas rhin"_s, u"HAUT RHIN"_s}, deuxJustes);
            row("%d easy Corse right", g, 0, 8, {u"Haute Corse"_s, u"Corse du Sud"_s}, deuxJustes);
            row("%d easy Corse swapped", g, 0, 8, {u"Corse du Sud"_s, u"Haute Corse"_s}, deuxFaux, corseFacile, NOTE_0,
                u"CORSE : Haute Corse - Corse du Sud - "_s);
            row("%d hard any order", g, 1, 8, {u"Corse du Sud"_s, u"haute corse"_s}, deuxJustes);
            row("%d hard 3 of 4, another région", g, 1, 13, {u"Vosges"_s, u"Meuse"_s, u"Ain"_s, u"Moselle"_s},
                {true, true, false, true}, u"Meurthe et Moselle\r\nMeuse\r\nMoselle\r\nVosges\r\n"_s,
                u" .75/ 1 soit  75 % "_s, u"LORRAINE : Meurthe et Moselle - Meuse - Moselle - Vosges - "_s);
            row("%d all empty", g, 0, 1, {}, deuxFaux, u" 67 : Bas Rhin\r\n 68 : Haut Rhin\r\n"_s, NOTE_0,
                u"ALSACE : Bas Rhin - Haut Rhin - "_s);
            row("%d hard Rhône-Alpes 1 of 8", g, 1, 22, {u"Ain"_s}, {true, false, false, false, false, false, false, false},
                u"Ain\r\nArdèche\r\nDrôme\r\nIsère\r\nLoire\r\nRhône\r\nSavoie\r\nHaute Savoie\r\n"_s,
                u" .12/ 1 soit  12.5 % "_s,
                u"RHÔNE-ALPES : Ain - Ardèche - Drôme - Isère - Loire - Rhône - Savoie - Haute Savoie - "_s);
        }
    }
    void multiAnswers()
    {
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, region); QFETCH(QStringList, saisies);
        QFETCH(QList<bool>, marques); QFETCH(QString, texte); QFETCH(QString, note); QFETCH(QString, ligne);
        ecritMarques();
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau}, {tirage22(region), tirage22(region % 22 + 1)});
        const std::array<QLineEdit*, 8>& boites = parNom(g) ? c->ND : c->D;
        bool minuterie = false;
        int masquagesAvant = -1;
        fake->dialogs.onBox = [&](const testkit::ShownBox& box) {
            if (box.title != u"Résultats :"_s) {
                minuterie = c->Timer1->isActive();
                for (QLabel* e : c->Etat)
                    QVERIFY(e->isHidden());
                return;
            }
            // A green or red mark beside each shown row.
            masquagesAvant = masquages;
            for (int k = 0; k < 8; ++k) {
                QCOMPARE(!c->Etat[k]->isHidden(), k < marques.size());
                if (k < marques.size())
                    QCOMPARE(c->Etat[k]->pixmap().toImage().pixelColor(12, 12), QColor(marques[k] ? Qt::green : Qt::red));
            }
        };
        // Refused, or No at the confirmation: nothing counted or marked, the boxes kept.
        fake->dialogs.answers = {platform::vbNo};
        saisit(c, parNom(g), saisies);
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QVERIFY(c->Note->text().isEmpty());
        for (int k = 0; k < saisies.size(); ++k)
            QCOMPARE(boites[k]->text(), saisies[k]);
        QCOMPARE(masquages, 0);
        QVERIFY(lignesRapport().isEmpty());
        QVERIFY(c->Question->title().startsWith(u"Question  1/ 10"_s));
        if (marques.isEmpty()) {
            QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
            verifieBoite(fake->dialogs.boxes[0], texte, 48, u"Erreur de Saisie"_s);
            QVERIFY(minuterie && c->Timer1->isActive());  // the countdown runs on
            return;
        }
        verifieBoite(fake->dialogs.boxes[0], u"Confirmez vous les saisies faites ?"_s, 36, u"Confirmation"_s);
        QVERIFY(!minuterie && !c->Timer1->isActive());  // stopped for the rest of the question
        // Handed in again: Yes.
        fake->dialogs.boxes.clear();
        saisit(c, parNom(g), saisies);
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Confirmation"_s);
        const int justes = int(marques.count(true));
        const QString message = justes == marques.size()
            ? u"Bonne réponse !!"_s
            : u"Vous avez %1 bonnes réponses sur %2\r\n\r\nLa solution était :\r\n\r\n"_s.arg(justes).arg(marques.size())
                + texte;
        verifieBoite(fake->dialogs.boxes[1], message, 0, u"Résultats :"_s);
        QVERIFY(fake->sound.played.isEmpty());  // no sound on the results path
        QCOMPARE(masquagesAvant, niveau == 0 ? 1 : 0);  // repaint before the message, easy level only
        QCOMPARE(c->Note->text(), note);
        QCOMPARE(lignesRapport(), jeuRapport(g) && !ligne.isEmpty() ? QStringList{ligne} : QStringList{});
        QVERIFY(c->Question->title().startsWith(u"Question  2/ 10"_s));
        for (QLabel* e : c->Etat)
            QVERIFY(e->isHidden());
        QVERIFY(c->Timer1->isActive());
    }

    void multiDontKnowAndTimeOver_data()
    {
        colonnes<int>({"g", "niveau"});
        colonnes<bool>({"temps"});
        colonnes<QString>({"message", "ligne"});
        const QString corseFacile = u"\r\n\r\n2B : Haute Corse\r\n2A : Corse du Sud\r\n"_s;
        const QString corseNums = u"\r\n\r\n2B\r\n2A\r\n"_s, corseNoms = u"\r\n\r\nHaute Corse\r\nCorse du Sud\r\n"_s;
        const QString temps = u"Le Temps est écoulé. C'était :"_s, nsp = u"Vous ne savez pas ?. C'était :"_s;
        QTest::newRow("15 hard don't know") << 15 << 1 << false << nsp + corseNums << u"Corse : 2B - 2A - "_s;
        QTest::newRow("15 easy time over") << 15 << 0 << true << temps + corseFacile << u"Corse : 2B - 2A - "_s;
        QTest::newRow("16 easy don't know") << 16 << 0 << false << nsp + corseFacile << QString();
        QTest::newRow("16 hard time over") << 16 << 1 << true << temps + corseNums << QString();
        QTest::newRow("17 hard don't know") << 17 << 1 << false << u"Vous ne savez pas ? C'était :"_s + corseNoms
                                            << u"CORSE : Haute Corse - Corse du Sud - "_s;
        QTest::newRow("17 easy time over") << 17 << 0 << true << temps + corseFacile
                                           << u"CORSE : Haute Corse - Corse du Sud - "_s;
        QTest::newRow("18 hard don't know") << 18 << 1 << false << nsp + corseNoms << QString();
        QTest::newRow("18 easy time over") << 18 << 0 << true << temps + corseFacile << QString();
        QTest::newRow("18 easy don't know") << 18 << 0 << false << nsp + corseFacile << QString();
    }
    void multiDontKnowAndTimeOver()
    {
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(bool, temps); QFETCH(QString, message); QFETCH(QString, ligne);
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .sec = u" 4"_s}, {tirage22(8)});
        // Boxes already typed, even an impossible one: neither validated nor judged.
        (parNom(g) ? c->ND : c->D)[0]->setText(parNom(g) ? u"Haute Corse"_s : u"20"_s);
        int masquagesPendant = -1;
        bool minuterie = true;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            masquagesPendant = masquages;
            minuterie = c->Timer1->isActive();
            QCOMPARE(fake->sound.names(), QStringList{u"Erreur.wav"_s});  // the sound and the score before the message
            QCOMPARE(c->Note->text(), NOTE_0);
        };
        repond(c, temps ? u"temps"_s : u"nesaispas"_s, QString());
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        verifieBoite(fake->dialogs.boxes[0], message, 0, u"Faux !"_s);
        QVERIFY(!minuterie);  // no tick may settle the question again while the message is open
        QCOMPARE(masquagesPendant, 0);
        QCOMPARE(masquages, temps && niveau == 0 ? 1 : 0);  // repaint after a time over at the easy level only
        QCOMPARE(c->Note->text(), NOTE_0);
        QCOMPARE(lignesRapport(), ligne.isEmpty() ? QStringList{} : QStringList{ligne});
        QVERIFY(c->Timer1->isActive());
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
    }

    void exactCounts_data()
    {
        colonnes<int>({"g", "justes"});  // right boxes per question; -1 a random count, or "Je ne sais pas"
        for (int g : {15, 16, 17, 18}) {
            for (int justes : {1, 3, -1})
                QTest::addRow("%d, %d right", g, justes) << g << justes;
        }
    }
    void exactCounts()
    {
        // Games of all 22 régions worth thirds, fifths, sevenths and eighths: after every question
        // the score counts exactly the questions settled; the game ends after exactly 22.
        QFETCH(int, g); QFETCH(int, justes);
        std::mt19937 hasard(20261206 + g);
        CarteDep* c = lance({.jeu = num(g), .niveau = 1, .tps = 0, .nbQuest = 1});
        for (int q = 1; q <= 22; ++q) {
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/ 22 :"_s);
            const QList<int> deps = departements(int(Tirage));
            if (justes < 0 && hasard() % 5 == 0) {
                c->NoSais_Click();
            } else {
                const int n = justes < 0 ? int(hasard() % (deps.size() + 1)) : std::min<int>(justes, deps.size());
                QStringList textes;
                for (int k = 0; k < n; ++k)
                    textes << (parNom(g) ? NomDep[deps[k]] : NumeroDep(deps[k]));
                saisit(c, parNom(g), textes);
            }
            QVERIFY2(c->Note->text().contains(u"/"_s + platform::Str(q) + u" soit "_s), qPrintable(c->Note->text()));
        }
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(win::Rapport.isVisible(), jeuRapport(g));
        QCOMPARE(win::Sommaire.isVisible(), !jeuRapport(g));
    }

    void lastQuestionWithFractions()
    {
        auto joue = [&](int g, std::initializer_list<double> tirages, const QList<QStringList>& reponses,
                        const QString& score) {
            CarteDep* c = lance({.jeu = num(g), .niveau = 1, .tps = 0, .nombre = u" "_s + num(reponses.size())}, tirages);
            for (const QStringList& textes : reponses)
                saisit(c, false, textes);
            verifieBoite(fake->dialogs.boxes.value(fake->dialogs.boxes.size() - 1),
                         u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n"_s + score + u" de réussite."_s,
                         64, u"Terminé"_s);
        };
        // 1/6 then 0/4 added naively in single precision sum to 1.99999988: the game still ends after two.
        joue(16, {tirage22(6), tirage22(13), tirage22(1)}, {{u"18"_s}, {}}, u" .17/ 2 soit  8.33 % "_s);
        QVERIFY(win::Sommaire.isVisible());  // game 16 keeps no report
        win::UnloadAll();
        testkit::flushDeletes();
        // Wrong boxes worth less than a point in all still show the report, with its dated line.
        joue(15, {tirage22(2)}, {{u"24"_s, u"33"_s, u"40"_s, u"47"_s}}, u" .8/ 1 soit  80 % "_s);
        QVERIFY(win::Rapport.isVisible());
        QCOMPARE(lignesRapport(), (QStringList{u"Aquitaine :  24 -  33 -  40 -  47 -  64 - "_s, QString(), kDatee}));
    }

    void timeOverUnderRefusalBox_data()
    {
        colonnes<int>({"g", "questions"});
        QTest::newRow("17 before the last question") << 17 << 10;
        QTest::newRow("16 last question, back to the hub") << 16 << 1;
        QTest::newRow("15 last question, the report") << 15 << 1;
    }
    void timeOverUnderRefusalBox()
    {
        // The countdown runs on under a refusal box that really waits; the time
        // over settles the question once and closes the refusal box, and the
        // window is deleted only after the box's procedure has returned.
        QFETCH(int, g); QFETCH(int, questions);
        fake->dialogs.waits = true;
        QPointer<CarteDep> c = lance({.jeu = num(g), .niveau = 0, .sec = u" 4"_s, .nombre = u" "_s + num(questions)},
                                     {tirage22(1), tirage22(2)});
        int destructions = 0;
        // The count lives on this stack: the connection must end with it, since a
        // window left open by an early return is deleted in a later test.
        QObject compteur;
        connect(c, &QObject::destroyed, &compteur, [&] { ++destructions; });
        fake->dialogs.onBox = [&](const testkit::ShownBox& box) {
            if (box.title != u"Erreur de Saisie"_s) {
                fake->dialogs.answer(platform::vbOK);
                return;
            }
            for (int tick = 0; tick < 10 && fake->dialogs.closedByProgram == 0 && c->Timer1->isActive(); ++tick)
                c->Timer1_Timer();
            testkit::flushDeletes();  // as the box's own loop would
            if (fake->dialogs.closedByProgram == 0)
                fake->dialogs.answer(platform::vbOK);  // left open: would stay behind the window
        };
        saisit(c, parNom(g), {parNom(g) ? u"Paris Nord"_s : u"99"_s});
        QStringList titres;
        for (const testkit::ShownBox& box : fake->dialogs.boxes)
            titres << box.title;
        const QStringList fin = questions == 1 ? QStringList{u"Terminé"_s} : QStringList{};
        QCOMPARE(titres, QStringList({u"Erreur de Saisie"_s, u"Faux !"_s}) + fin);
        QCOMPARE(fake->dialogs.closedByProgram, 1);
        QCOMPARE(fake->dialogs.waiting(), 0);
        QVERIFY(c);  // still there for the procedure that showed the refusal
        QCOMPARE(c->Note->text(), NOTE_0);
        if (questions > 1) {
            QCOMPARE(c->LblQuest->text(), u"Indiquer le nom des départements de la région Aquitaine"_s);
            QVERIFY(c->Timer1->isActive());
            QVERIFY(c->isEnabled() && (parNom(g) ? c->ND : c->D)[0]->text().isEmpty());
            QCOMPARE(lignesRapport(), QStringList{u"ALSACE : Bas Rhin - Haut Rhin - "_s});
            return;
        }
        testkit::flushDeletes();
        if (g == 15) {
            QVERIFY(win::Rapport.isVisible());
            return;
        }
        QVERIFY(win::Sommaire.isVisible());
        QVERIFY(!c);
        QCOMPARE(destructions, 1);
    }

    void markPictures_data() { testkit::deuxLignes("manquantes", "from the files", "missing, drawn"); }
    void markPictures()
    {
        // Each mark stands on the frame with no square of its own: the pictures'
        // background colour (their corner's) is transparent.
        QFETCH(bool, manquantes);
        ecritMarques();
        if (manquantes)
            fake->pictures.missing = {u"Ok.bmp"_s, u"Faux.bmp"_s};
        CarteDep* c = lance({.jeu = u"16"_s, .niveau = 1}, {tirage22(1)});
        bool vu = false;
        fake->dialogs.onBox = [&](const testkit::ShownBox& box) {
            if (box.title != u"Résultats :"_s)
                return;
            vu = true;
            for (QLabel* etat : {c->Etat[0], c->Etat[1]}) {
                const QImage marque = etat->pixmap().toImage();
                QVERIFY(qAlpha(marque.pixel(0, 0)) == 0 && qAlpha(marque.pixel(8, 17)) == 255);
            }
        };
        saisit(c, false, {u"67"_s});
        QVERIFY(vu);
    }

    // ------------------------------------------------------------ whole games

    void wholeGames_data()
    {
        colonnesPartie();
        for (int g = 11; g <= 20; ++g) {
            lignePartie(g, 0, jeuRapport(g) ? 3 : 0, rowScore(g));
            lignePartie(g, 1, jeuRapport(g) ? (g == 19 ? 2 : 3) : 0, rowScore(g));  // no line for a wrong name in 19
        }
        for (int g : {11, 15, 17, 19})
            lignePartieJuste(g, 0);
        lignePartieJuste(13, 1);
    }
    void wholeGames()
    {
        QFETCH(int, g);
        partie([g](CarteDep* c, int n, Coup coup) {
            const bool regions = g >= 13;
            const int x = coup == Coup::Faux ? (regions ? n % 22 + 1 : n % 96 + 1) : n;
            if (jeuCarte(g))
                return clique(c, coup == Coup::Refus ? 200 : regions ? departements(x).first() : x, 10);
            if (g < 15 || g > 18)
                return repondTexte(c, coup, g == 11 ? NumeroDep(n) : NomRegion[n], g == 11 ? NumeroDep(x) : NomRegion[x]);
            if (coup == Coup::Refus)
                return saisit(c, parNom(g), {parNom(g) ? u"zzz"_s : u"20"_s});
            QStringList textes;
            for (int d : departements(n))
                textes << (parNom(g) ? NomDep[d] : NumeroDep(d));
            if (coup == Coup::Faux)
                textes[0].clear();  // one box left empty: judged wrong
            saisit(c, parNom(g), textes);
        });
    }
};

QTEST_MAIN(TestGames11a20)
#include "tst_games11a20.moc"
