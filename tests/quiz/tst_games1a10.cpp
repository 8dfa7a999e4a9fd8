// Games 1 to 10 played in the real quiz window: question texts, answer checks
// (typed, listed, "Je ne sais pas", time-out, map clicks), report lines, score
// and the end of each game.
#include "QuizFixture.h"
#include "testkit/Sandbox.h"

#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "platform/Screen.h"
#include "quiz/Tables.h"

#include <QEvent>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

// The random draw that asks département n.
double tirage(int n) { return (n - 0.5) / 96; }

QString num(int n) { return QString::number(n); }

// Counts the times the quiz window is hidden (each hide wipes the map's painting).
// Whether the countdown paints the asked département in this game and level.
bool peint(int g, int niveau)
{
    return g == 7 || g == 8 || g == 9 || (niveau == 0 && (g == 1 || g == 2 || g == 5 || g == 6 || g == 10));
}

bool parListe(int g, int niveau) { return niveau == 0 && (g == 5 || g == 6 || g == 9); }

// The report's lines below its three heading lines (the closing empty block dropped).
QStringList erreursRapport()
{
    Rapport* rapport = win::Rapport.ifLoaded();
    if (!rapport)
        return {};
    QStringList lines = rapport->RichTextBox1->toPlainText().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.mid(3);
}

} // namespace

class TestGames1a10 : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    QTemporaryDir* folder = nullptr;
    CompteMasquages masquages;

    CarteDep* lance(const Reglages& r, std::initializer_list<double> tirages = {})
    {
        return lancePartie(*fake, masquages, r, tirages);
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        folder = &sandbox->folder;
        Cle = QString::fromLatin1(kCleValue);
    }
    void cleanup()
    {
        sandbox.reset();
    }

    void questionTexts_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("question");
        const QString pref6 = u"Quel est le nom de la préfecture du département "_s;
        QTest::newRow("6 easy 1") << u"6"_s << 0 << 1 << pref6 + u"Ain :  1"_s;
        QTest::newRow("6 easy 2B") << u"6"_s << 0 << 20 << pref6 + u"Haute Corse (2B)"_s;
        QTest::newRow("6 easy 2A") << u"6"_s << 0 << 96 << pref6 + u"Corse du Sud (2A)"_s;
        QTest::newRow("6 hard 27") << u"6"_s << 1 << 27 << pref6 + u"Eure"_s;
        QTest::newRow("6 hard 2B") << u"6"_s << 1 << 20 << pref6 + u"Haute Corse"_s;
        QTest::newRow("6 hard 2A") << u"6"_s << 1 << 96 << u"Quel est le nom du la préfecture du département Corse du Sud"_s;
        QTest::newRow("7 easy 7") << u"7"_s << 0 << 7 << u"Quel est le n° du département colorié\r\nArdèche"_s;
        QTest::newRow("7 easy 2B") << u"7"_s << 0 << 20 << u"Quel est le n° du département colorié\r\nHaute Corse"_s;
        QTest::newRow("7 easy 2A") << u"7"_s << 0 << 96 << u"Quel est le n° du département colorié\r\nCorse du Sud"_s;
        QTest::newRow("7 hard") << u"7"_s << 1 << 7 << u"\r\nQuel est le n° du département colorié"_s;
        QTest::newRow("8 easy 7") << u"8"_s << 0 << 7 << u"Quel est le nom du département colorié\r\n 7"_s;
        QTest::newRow("8 easy 2B") << u"8"_s << 0 << 20 << u"Quel est le nom du département colorié\r\n2B"_s;
        QTest::newRow("8 easy 2A") << u"8"_s << 0 << 96 << u"Quel est le nom du département colorié\r\n2A"_s;
        QTest::newRow("8 hard") << u"8"_s << 1 << 20 << u"\r\nQuel est le nom du département colorié"_s;
        QTest::newRow("9 easy 1") << u"9"_s << 0 << 1 << u"Quel est le nom de la préfecture du\r\ndépartement Ain :  1"_s;
        QTest::newRow("9 easy 2B") << u"9"_s << 0 << 20 << u"Quel est le nom de la préfecture du \r\ndépartement Haute Corse : 2B"_s;
        QTest::newRow("9 easy 2A") << u"9"_s << 0 << 96 << u"Quel est le nom de la préfecture du \r\ndépartement Corse du Sud : 2A"_s;
        QTest::newRow("9 hard") << u"9"_s << 1 << 96 << u"Quel est le nom de la préfecture du\r\ndépartement colorié"_s;
        QTest::newRow("10 easy 27") << u"10"_s << 0 << 27 << u"Quel est le nom du département 27\r\nayant pour préfecture : \r\nEvreux"_s;
        QTest::newRow("10 easy 2B") << u"10"_s << 0 << 20 << u"Quel est le nom du département 2B\r\nayant pour préfecture : \r\nBastia"_s;
        QTest::newRow("10 easy 2A") << u"10"_s << 0 << 96 << u"Quel est le nom du département 2A\r\nayant pour préfecture : \r\nAjaccio"_s;
        QTest::newRow("10 hard 2B") << u"10"_s << 1 << 20 << u"Quel est le nom du département\r\nayant pour préfecture : \r\nBastia"_s;
        QTest::newRow("1 2A") << u"1"_s << 1 << 96 << u"\r\nQuel est le nom du département n° 2A"_s;
        QTest::newRow("1 7") << u"1"_s << 0 << 7 << u"\r\nQuel est le nom du département n° 7"_s;
        QTest::newRow("2 2B") << u"2"_s << 1 << 20 << u"Quel est le n° du département :\r\nHaute Corse"_s;
        QTest::newRow("3 easy 7") << u"3"_s << 0 << 7 << u"Placer le département n° 7\r\nArdèche"_s;
        QTest::newRow("3 easy 2A") << u"3"_s << 0 << 96 << u"Placer le département n° 2A\r\nCorse du Sud"_s;
        QTest::newRow("3 hard 2B") << u"3"_s << 1 << 20 << u"Placer le département n° 2B"_s;
        QTest::newRow("4 easy 2B") << u"4"_s << 0 << 20 << u"Placer le département \r\nHaute Corse (2B)"_s;
        QTest::newRow("4 easy 85") << u"4"_s << 0 << 85 << u"Placer le département \r\nVendée (85)"_s;
        QTest::newRow("4 hard 2A") << u"4"_s << 1 << 96 << u"Placer le département Corse du Sud"_s;
        QTest::newRow("5 hard 7") << u"5"_s << 1 << 7 << u"Quel est le nom de la préfecture du\r\ndépartement n° 7"_s;
        QTest::newRow("5 hard 2B") << u"5"_s << 1 << 20 << u"Quel est le nom de la préfecture du \r\ndépartement 2B"_s;
        QTest::newRow("5 easy 2B") << u"5"_s << 0 << 20 << u"Quel est le nom de la préfecture du\r\ndépartement 2B\r\nHaute Corse"_s;
        QTest::newRow("5 easy 2A") << u"5"_s << 0 << 96 << u"Quel est le nom de la préfecture du\r\ndépartement 2A\r\nCorse du Sud"_s;
    }
    void questionTexts()
    {
        QFETCH(QString, jeu);
        QFETCH(int, niveau);
        QFETCH(int, n);
        QFETCH(QString, question);
        Reglages r;
        r.jeu = jeu;
        r.niveau = niveau;
        r.tps = 0;
        CarteDep* c = lance(r, {tirage(n)});
        QCOMPARE(Tirage, float(n));
        QCOMPARE(c->LblQuest->text(), question);
        QCOMPARE(c->Label1->text(), u"Jeu n° "_s + jeu);
        QCOMPARE(c->Question->title(), u"Question  1/ 10 :"_s);
        QCOMPARE(c->aide->title(), niveau == 0 ? u"Aide Activée."_s : u"Aide Non Activée."_s);
        QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
        const int g = jeu.toInt();
        const bool carte = g == 3 || g == 4;
        QCOMPARE(c->ListRep->isHidden(), !parListe(g, niveau));
        QCOMPARE(c->Rep->isHidden(), parListe(g, niveau));
        QCOMPARE(c->Reponse->isHidden(), carte);
        if (parListe(g, niveau))
            QCOMPARE(c->ListRep->currentIndex(), -1);
        // Untimed layout.
        QCOMPARE(c->Score->y(), platform::tw(carte ? 2880 : 4080));
        QCOMPARE(c->NoSais->y(), platform::tw(carte ? 3050 : 4250));
        // Only the report games open a report, with its heading.
        Rapport* rapport = win::Rapport.ifLoaded();
        QCOMPARE(rapport != nullptr, g == 1 || g == 2 || g == 5 || g == 6 || g == 10);
        if (rapport) {
            QVERIFY(!rapport->isVisible());
            QVERIFY(rapport->RichTextBox1->toPlainText().startsWith(u"Correction de vos erreurs pour ce jeu n° "_s + jeu + u" :\n"_s));
        }
    }

    void typedAnswers_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("tps");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("voie");     // "entree", "liste" or "nesaispas"
        QTest::addColumn<QString>("issue");    // "refus", "juste" or "faux"
        QTest::addColumn<QString>("message");  // prompt of a wrong or don't-know verdict
        QTest::addColumn<QString>("ligne");    // report line, empty when none
        QTest::addColumn<bool>("ligneAvant");  // the line is written before the message box

        const QString E = u"entree"_s, L = u"liste"_s, N = u"nesaispas"_s;
        const QString R = u"refus"_s, J = u"juste"_s, F = u"faux"_s;
        const QString faux = u"Mauvaise Réponse !.\r\n"_s, faux9 = u"Mauvaise Réponse !\r\n"_s;
        const QString sais = u"Vous ne savez pas ?\r\n"_s;
        auto row = [](const char* name, const QString& jeu, int niveau, int tps, int n, const QString& saisie,
                      const QString& voie, const QString& issue, const QString& message = {},
                      const QString& ligne = {}, bool avant = false) {
            QTest::newRow(name) << jeu << niveau << tps << n << saisie << voie << issue << message << ligne << avant;
        };
        // Game 1: names in capitals on both sides, nothing trimmed.
        row("1 small letters", u"1"_s, 0, 1, 69, u"rhône"_s, E, J);
        row("1 no accent", u"1"_s, 0, 1, 69, u"Rhone"_s, E, R);
        row("1 trailing blank", u"1"_s, 0, 1, 69, u"Rhône "_s, E, R);
        row("1 hyphens", u"1"_s, 0, 1, 63, u"Puy-de-Dôme"_s, E, R);
        row("1 blanks only", u"1"_s, 0, 1, 63, u"   "_s, E, R);
        row("1 easy names 2B", u"1"_s, 0, 1, 1, u"haute corse"_s, E, F,
            faux + u"C'était Ain\r\n\r\nhaute corse c'est le numéro 2B"_s, u" 1 : Ain"_s, true);
        row("1 easy names 2A", u"1"_s, 0, 1, 1, u"CORSE DU SUD"_s, E, F,
            faux + u"C'était Ain\r\n\r\nCORSE DU SUD c'est le numéro 2A"_s, u" 1 : Ain"_s, true);
        row("1 easy untimed", u"1"_s, 0, 0, 2, u"Ardèche"_s, E, F,
            faux + u"C'était Aisne\r\n\r\nArdèche c'est le numéro 7"_s, u" 2 : Aisne"_s, true);
        row("1 hard 2B asked", u"1"_s, 1, 1, 20, u"Ain"_s, E, F, faux + u"C'était Haute Corse"_s, u"2B : Haute Corse"_s, true);
        row("1 don't know empty", u"1"_s, 0, 1, 96, QString(), N, F, sais + u"C'était Corse du Sud"_s, u"2A : Corse du Sud"_s, false);
        row("1 don't know unknown", u"1"_s, 1, 1, 1, u"xyz"_s, N, F, sais + u"C'était Ain"_s, u" 1 : Ain"_s, false);
        row("1 don't know typed", u"1"_s, 0, 1, 1, u"AIN"_s, N, J);
        // Game 2: "2B"/"2A" in any case with blanks around; 20, 96 and non-whole numbers refused.
        row("2 2b", u"2"_s, 0, 1, 20, u"2b"_s, E, J);
        row("2 blanks around 2B", u"2"_s, 1, 1, 20, u" 2B "_s, E, J);
        for (const char* refuse : {"20", "96", "0", "-3", "97", "7.4", "7.5", "abc", "2C"})
            row(qPrintable(u"2 refuses "_s + QLatin1String(refuse)), u"2"_s, 0, 1, 7, QLatin1String(refuse), E, R);
        row("2 easy 2B asked", u"2"_s, 0, 1, 20, u"7"_s, E, F, faux + u"C'était 2B\r\n\r\n7 c'est Ardèche"_s,
            u"Haute Corse : 2B"_s, true);
        row("2 easy 2a typed", u"2"_s, 0, 1, 7, u"2a"_s, E, F, faux + u"C'était 7\r\n\r\n2a c'est Corse du Sud"_s,
            u"Ardèche :  7"_s, true);
        row("2 hard 2A asked", u"2"_s, 1, 1, 96, u"5"_s, E, F, faux + u"C'était 2A"_s, u"Corse du Sud : 2A"_s, true);
        row("2 don't know 2B for 2B", u"2"_s, 0, 1, 20, u"2B"_s, N, J);
        row("2 don't know 7 for 7", u"2"_s, 1, 1, 7, u" 7"_s, N, J);
        row("2 don't know 2B for 2", u"2"_s, 0, 1, 2, u"2B"_s, N, F, sais + u"C'était 2"_s, u"Aisne :  2"_s, true);
        row("2 don't know 20 for 2B", u"2"_s, 0, 1, 20, u"20"_s, N, F, sais + u"C'était 2B"_s, u"Haute Corse : 2B"_s, true);
        // Game 5: préfectures, from the list at the easy level.
        row("5 list Lons le Saunier", u"5"_s, 0, 1, 39, u"Lons le Saunier"_s, L, J);
        row("5 list Bastia", u"5"_s, 0, 1, 27, u"Bastia"_s, L, F,
            faux + u"C'était Evreux\r\n\r\nBastia c'est la préfecture du département 2B"_s, u" 27 : Evreux"_s, true);
        row("5 list Ajaccio", u"5"_s, 0, 1, 27, u"Ajaccio"_s, L, F,
            faux + u"C'était Evreux\r\n\r\nAjaccio c'est la préfecture du département 2A"_s, u" 27 : Evreux"_s, true);
        row("5 list Agen", u"5"_s, 0, 1, 27, u"Agen"_s, L, F,
            faux + u"C'était Evreux\r\n\r\nAgen c'est la préfecture du département 47"_s, u" 27 : Evreux"_s, true);
        row("5 hard 2A asked", u"5"_s, 1, 1, 96, u"bastia"_s, E, F, faux + u"C'était Ajaccio"_s, u"2A : Ajaccio"_s, true);
        row("5 hard unknown", u"5"_s, 1, 1, 96, u"Evreu"_s, E, R);
        row("5 don't know", u"5"_s, 0, 1, 27, QString(), N, F, sais + u"C'était Evreux"_s, u" 27 : Evreux"_s, false);
        // Game 6.
        row("6 leading blank", u"6"_s, 1, 1, 27, u" Evreux"_s, E, R);
        row("6 trailing blank", u"6"_s, 1, 1, 27, u"Evreux "_s, E, R);
        row("6 capitals", u"6"_s, 1, 1, 27, u"EVREUX"_s, E, J);
        row("6 easy list Bastia", u"6"_s, 0, 1, 27, u"Bastia"_s, L, F,
            faux + u"C'était Evreux\r\n\r\nBastia c'est la préfecture du département Haute Corse"_s, u"Eure : Evreux"_s, true);
        row("6 hard wrong", u"6"_s, 1, 1, 27, u"Ajaccio"_s, E, F, faux + u"C'était Evreux"_s, u"Eure : Evreux"_s, true);
        row("6 don't know", u"6"_s, 0, 1, 27, QString(), N, F, sais + u"C'était Evreux"_s, u"Eure : Evreux"_s, false);
        // Game 7: the numbers, as in game 2; no report.
        for (const char* refuse : {"20", "96", "0", "7.5", "7.4", "2C"})
            row(qPrintable(u"7 refuses "_s + QLatin1String(refuse)), u"7"_s, 0, 1, 7, QLatin1String(refuse), E, R);
        row("7 2b", u"7"_s, 0, 1, 20, u"2b"_s, E, J);
        row("7 blanks around 2B", u"7"_s, 1, 1, 20, u" 2B "_s, E, J);
        row("7 easy 2B for 2A", u"7"_s, 0, 1, 96, u"2B"_s, E, F, faux + u"C'était 2A"_s);
        row("7 hard 2B for 2A", u"7"_s, 1, 1, 96, u"2B"_s, E, F, faux + u"C'était 2A"_s);
        row("7 wrong number", u"7"_s, 0, 1, 7, u"8"_s, E, F, faux + u"C'était 7"_s);
        row("7 don't know 2A for 2A", u"7"_s, 1, 1, 96, u"2a"_s, N, J);
        row("7 don't know 96 for 2A", u"7"_s, 0, 1, 96, u"96"_s, N, F, sais + u"C'était 2A"_s);
        row("7 don't know 2B for 2", u"7"_s, 0, 1, 2, u"2B"_s, N, F, sais + u"C'était 2"_s);
        // Game 8.
        row("8 small letters", u"8"_s, 1, 1, 85, u"vendée"_s, E, J);
        row("8 no accent", u"8"_s, 1, 1, 85, u"Vendee"_s, E, R);
        row("8 easy wrong", u"8"_s, 0, 1, 2, u"Ain"_s, E, F, faux + u"C'était Aisne"_s);
        // Game 9: no point after "Mauvaise Réponse !", no extra line, no report.
        row("9 list Lons le Saunier", u"9"_s, 0, 1, 39, u"Lons le Saunier"_s, L, J);
        row("9 list Bastia", u"9"_s, 0, 1, 27, u"Bastia"_s, L, F, faux9 + u"C'était Evreux"_s);
        row("9 hard typed", u"9"_s, 1, 1, 39, u"lons le saunier"_s, E, J);
        // Game 10.
        row("10 easy wrong", u"10"_s, 0, 1, 27, u"ain"_s, E, F,
            faux9 + u"C'était Eure\r\n\r\nain a pour préfecture Bourg en Bresse"_s, u"Evreux : Eure"_s, true);
        row("10 hard wrong", u"10"_s, 1, 1, 27, u"ain"_s, E, F, faux9 + u"C'était Eure"_s, u"Evreux : Eure"_s, true);
        row("10 don't know", u"10"_s, 1, 1, 27, u"Evreu"_s, N, F, sais + u"C'était Eure"_s, u"Evreux : Eure"_s, false);
        row("10 untimed right", u"10"_s, 0, 0, 27, u"EURE"_s, E, J);
    }
    void typedAnswers()
    {
        QFETCH(QString, jeu);
        QFETCH(int, niveau);
        QFETCH(int, tps);
        QFETCH(int, n);
        QFETCH(QString, saisie);
        QFETCH(QString, voie);
        QFETCH(QString, issue);
        QFETCH(QString, message);
        QFETCH(QString, ligne);
        QFETCH(bool, ligneAvant);
        const int g = jeu.toInt();
        Reglages r;
        r.jeu = jeu;
        r.niveau = niveau;
        r.tps = tps;
        ecritPixels(u"D"_s + num(n) + u".dat"_s, {{{5, 5, n}}});
        CarteDep* c = lance(r, {tirage(n)});
        QCOMPARE(Tirage, float(n));
        c->Timer1_Timer();  // first tick: the help painting
        QCOMPARE(c->Picture1->hasSetPixel(5, 5), peint(g, niveau));

        QStringList rapportPendant;
        bool minuteriePendant = false;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            rapportPendant = erreursRapport();
            minuteriePendant = c->Timer1->isActive();
        };
        if (voie == u"liste"_s) {
            choisitDansListe(c, saisie);
        } else if (voie == u"entree"_s) {
            tape(c, saisie);
        } else {
            c->Rep->setText(saisie);
            c->NoSais_Click();
        }

        if (issue == u"refus"_s) {
            QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
            QVERIFY(fake->dialogs.boxes.isEmpty());
            QCOMPARE(NbBonnes + NbFausses, 0.0f);
            QCOMPARE(c->Rep->text(), saisie);
            QVERIFY(c->Timer1->isActive());
            QVERIFY(c->Note->text().isEmpty());
            QCOMPARE(c->Question->title(), u"Question  1/ 10 :"_s);
            QCOMPARE(Tirage, float(n));
            QVERIFY(erreursRapport().isEmpty());
            return;
        }
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        const testkit::ShownBox box = fake->dialogs.boxes[0];
        if (issue == u"juste"_s) {
            QCOMPARE(box.prompt, u"Bonne Réponse !"_s);
            QCOMPARE(box.style, 64);
            QCOMPARE(box.title, u"Exact !"_s);
            QCOMPARE(fake->sound.names(), QStringList{u"Message.wav"_s});
            QCOMPARE(NbBonnes, 1.0f);
            QCOMPARE(c->Note->text(), u" 1/ 1 soit  100 % "_s);
        } else {
            QCOMPARE(box.prompt, message);
            QCOMPARE(box.style, 48);
            QCOMPARE(box.title, u"Faux !"_s);
            QCOMPARE(fake->sound.names(), QStringList{u"Erreur.wav"_s});
            QCOMPARE(NbFausses, 1.0f);
            QCOMPARE(c->Note->text(), u" 0/ 1 soit  0 % "_s);
        }
        QCOMPARE(NbBonnes + NbFausses, 1.0f);
        // Timed play stops the countdown before the verdict; untimed play leaves it alone.
        QCOMPARE(minuteriePendant, tps == 0);
        const QStringList attendues = ligne.isEmpty() ? QStringList{} : QStringList{ligne};
        QCOMPARE(erreursRapport(), attendues);
        QCOMPARE(rapportPendant, ligneAvant ? attendues : QStringList{});
        if (!ligne.isEmpty()) {
            // An error line: plain, size 10, blue.
            const QTextDocument* doc = win::Rapport->RichTextBox1->document();
            const QTextBlock block = doc->findBlockByNumber(3);
            QCOMPARE(block.text(), ligne);
            const QTextCharFormat format = block.begin().fragment().charFormat();
            QCOMPARE(format.foreground().color(), QColor(0, 0, 255));
            QCOMPARE(format.fontPointSize(), 10.0);
            QVERIFY(format.fontWeight() != QFont::Bold);
        }
        // The window is hidden and shown again where the countdown paints, which wipes the map.
        QCOMPARE(masquages.hides, peint(g, niveau) ? 1 : 0);
        QVERIFY(!c->Picture1->hasSetPixel(5, 5));
        QVERIFY(c->Rep->text().isEmpty());
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
        QVERIFY(c->Timer1->isActive());
        QCOMPARE(NeSaisPas, int16_t(0));
        if (parListe(g, niveau))
            QCOMPARE(c->ListRep->currentIndex(), -1);
    }

    void timeOver_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("ligneAvant");
        // Text left in Rep is never validated, even when it is the right answer.
        QTest::newRow("1") << u"1"_s << 0 << 20 << u"Haute Corse"_s << u"C'était Haute Corse"_s << u"2B : Haute Corse"_s << true;
        QTest::newRow("2") << u"2"_s << 1 << 96 << u"xyz"_s << u"C'était 2A"_s << u"Corse du Sud : 2A"_s << true;
        QTest::newRow("2 easy") << u"2"_s << 0 << 7 << u"7"_s << u"C'était 7"_s << u"Ardèche :  7"_s << true;
        QTest::newRow("5") << u"5"_s << 0 << 27 << QString() << u"C'était Evreux"_s << u" 27 : Evreux"_s << false;
        QTest::newRow("6") << u"6"_s << 0 << 27 << QString() << u"C'était Evreux"_s << u"Eure : Evreux"_s << true;
        QTest::newRow("7") << u"7"_s << 1 << 20 << u"2B"_s << u"C'était 2B"_s << QString() << false;
        QTest::newRow("8") << u"8"_s << 0 << 7 << QString() << u"C'était Ardèche"_s << QString() << false;
        QTest::newRow("9") << u"9"_s << 1 << 39 << QString() << u"C'était Lons Le Saunier"_s << QString() << false;
        QTest::newRow("10") << u"10"_s << 1 << 27 << u"Eure"_s << u"C'était Eure"_s << u"Evreux : Eure"_s << true;
    }
    void timeOver()
    {
        QFETCH(QString, jeu);
        QFETCH(int, niveau);
        QFETCH(int, n);
        QFETCH(QString, saisie);
        QFETCH(QString, attendu);
        QFETCH(QString, ligne);
        QFETCH(bool, ligneAvant);
        Reglages r;
        r.jeu = jeu;
        r.niveau = niveau;
        r.sec = u" 4"_s;  // 3 seconds: the question opens at 2
        CarteDep* c = lance(r, {tirage(n)});
        c->Rep->setText(saisie);
        QStringList rapportPendant;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            rapportPendant = erreursRapport();
            QVERIFY(!c->Timer1->isActive());
            QCOMPARE(NbFausses, 0.0f);
            QVERIFY(c->Note->text().isEmpty());
            QCOMPARE(masquages.hides, 0);
        };
        c->Timer1_Timer();
        QVERIFY(fake->dialogs.boxes.isEmpty());
        c->Timer1_Timer();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Le Temps est écoulé !.\r\n"_s + attendu);
        QCOMPARE(fake->dialogs.boxes[0].style, 48);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Temps Ecoulé !"_s);
        QCOMPARE(fake->sound.names(), QStringList{u"Erreur.wav"_s});
        const QStringList attendues = ligne.isEmpty() ? QStringList{} : QStringList{ligne};
        QCOMPARE(erreursRapport(), attendues);
        QCOMPARE(rapportPendant, ligneAvant ? attendues : QStringList{});
        QCOMPARE(NbFausses, 1.0f);
        QCOMPARE(NbBonnes, 0.0f);
        QCOMPARE(c->Note->text(), u" 0/ 1 soit  0 % "_s);
        QCOMPARE(masquages.hides, peint(jeu.toInt(), niveau) ? 1 : 0);
        QVERIFY(c->Rep->text().isEmpty());
        QCOMPARE(c->Question->title(), u"Question  2/ 10 :"_s);
        QCOMPARE(TempsEcoule, int16_t(0));
        QVERIFY(c->Timer1->isActive());
        QCOMPARE(c->Temps->Value(), 2.0f);
    }

    void mapVerdicts_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("c");  // département clicked; 0 "Je ne sais pas", -1 time over
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("solu");
        QTest::addColumn<int>("etat");
        const QString vert = u"Département attendu en vert.\r\n"_s, mauvaise = u"Mauvaise Réponse !"_s;
        QTest::newRow("3 easy on 2B") << u"3"_s << 0 << 20 << mauvaise << vert + u"En Rouge c'est 2B : Haute Corse "_s << 2;
        QTest::newRow("3 easy on 2A") << u"3"_s << 0 << 96 << mauvaise << vert + u"En Rouge c'est 2A : Corse du Sud"_s << 2;
        QTest::newRow("3 easy on 7") << u"3"_s << 0 << 7 << mauvaise << vert + u"En Rouge c'est 7 : Ardèche"_s << 2;
        QTest::newRow("4 easy on 7") << u"4"_s << 0 << 7 << mauvaise << vert + u"En Rouge c'est Ardèche : 7"_s << 2;
        QTest::newRow("4 easy on 2B") << u"4"_s << 0 << 20 << mauvaise << vert + u"En Rouge c'est Haute Corse (2B)"_s << 2;
        QTest::newRow("4 easy on 2A") << u"4"_s << 0 << 96 << mauvaise << vert + u"En Rouge c'est Corse du Sud (2A)"_s << 2;
        QTest::newRow("3 hard wrong") << u"3"_s << 1 << 7 << mauvaise << u"\r\nDépartement attendu en vert."_s << 2;
        QTest::newRow("4 hard wrong") << u"4"_s << 1 << 20 << mauvaise << u"\r\nDépartement attendu en vert."_s << 2;
        QTest::newRow("4 right") << u"4"_s << 0 << 1 << QString() << u"\r\nBonne Réponse !"_s << 1;
        QTest::newRow("4 don't know") << u"4"_s << 0 << 0 << u"Vous ne savez pas ?"_s << u"\r\nDépartement attendu en vert."_s << 2;
        QTest::newRow("3 time over") << u"3"_s << 1 << -1 << u"Le Temps est écoulé !"_s << u"\r\nDépartement attendu en vert."_s << 3;
    }
    void mapVerdicts()
    {
        QFETCH(QString, jeu);
        QFETCH(int, niveau);
        QFETCH(int, c);
        QFETCH(QString, titre);
        QFETCH(QString, solu);
        QFETCH(int, etat);
        const int n = 1;  // Ain is asked
        ecritPixels(u"D1.dat"_s, {{{1, 1, 1}}});
        if (c > 1) {
            ecritPixels(u"D"_s + num(c) + u".dat"_s, {{{2, 2, c}}});
            ecritPixels(u"F50.dat"_s, {{{50, 60, c}}});
        } else {
            ecritPixels(u"F50.dat"_s, {{{50, 60, n}}});
        }
        Reglages r;
        r.jeu = jeu;
        r.niveau = niveau;
        r.sec = u" 4"_s;
        r.nombre = u" 3"_s;
        CarteDep* w = lance(r, {tirage(n)});
        QVERIFY(w->Reponse->isHidden());
        w->Timer1_Timer();  // the countdown never paints a map game
        QVERIFY(!w->Picture1->hasSetPixel(1, 1));

        // The sea: refused, the map stays open.
        clique(w, 70, 60);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(w->Solution->isHidden());
        QCOMPARE(SolutionVue, int16_t(0));
        QVERIFY(w->Timer1->isActive());
        fake->sound.played.clear();

        if (c > 0)
            clique(w, 50, 60);
        else if (c == 0)
            w->NoSais_Click();
        else
            w->Timer1_Timer();  // from 1 to 0: time over
        QCOMPARE(fake->sound.names(), QStringList{etat == 1 ? u"Message.wav"_s : u"Erreur.wav"_s});
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QVERIFY(!w->Solution->isHidden());
        QCOMPARE(w->Solution->title(), titre);
        QCOMPARE(w->Solu->text(), solu);
        QCOMPARE(EtatCarte, int16_t(etat));
        QCOMPARE(SolutionVue, int16_t(1));
        QVERIFY(w->NoSais->isHidden());
        QVERIFY(w->Abandon->isHidden());
        QVERIFY(!w->Timer1->isActive());
        QCOMPARE(w->Picture1->colorAt(1, 1), QColor(0, 235, 0));
        if (c > 1)
            QCOMPARE(w->Picture1->colorAt(2, 2), QColor(250, 0, 0));
        QCOMPARE(NbBonnes + NbFausses, 0.0f);
        QVERIFY(w->Note->text().isEmpty());
        QVERIFY(!win::Rapport.isLoaded());

        // The map is closed until the panel is dismissed.
        clique(w, 50, 60);
        QCOMPARE(fake->sound.played.size(), 1);

        w->btnOK_Click();
        QVERIFY(w->Solution->isHidden());
        QVERIFY(!w->NoSais->isHidden());
        QVERIFY(!w->Abandon->isHidden());
        QCOMPARE(masquages.hides, 1);
        QVERIFY(!w->Picture1->hasSetPixel(1, 1));
        QCOMPARE(w->Note->text(), etat == 1 ? u" 1/ 1 soit  100 % "_s : u" 0/ 1 soit  0 % "_s);
        QCOMPARE(w->Question->title(), u"Question  2/ 3 :"_s);
        QCOMPARE(SolutionVue, int16_t(0));
        QVERIFY(w->Timer1->isActive());
    }

    void timedLayout()
    {
        // Timed play: games 6 to 10 keep the window's own layout; the map games move up.
        Reglages r;
        r.jeu = u"8"_s;
        CarteDep* c = lance(r);
        QCOMPARE(c->Score->y(), platform::tw(4560));
        QCOMPARE(c->NoSais->y(), platform::tw(4680));
        win::UnloadAll();
        testkit::flushDeletes();
        r.jeu = u"4"_s;
        c = lance(r);
        QCOMPARE(c->Temps->y(), platform::tw(2880));
        QCOMPARE(c->Score->y(), platform::tw(3320));
        QCOMPARE(c->NoSais->y(), platform::tw(3500));
        QVERIFY(!c->Abandon->isHidden());
    }

    void otherBlocksDoNothing()
    {
        Reglages r;
        r.jeu = u"1"_s;
        CarteDep* c = lance(r, {tirage(5)});
        const QString question = c->LblQuest->text();
        const int draws = fake->random.draws;
        c->PoseQuestionJeux6a10();
        c->Rep->setText(u"Hautes Alpes"_s);
        c->CorrigeJeux6a10();
        QCOMPARE(fake->random.draws, draws);
        QCOMPARE(c->LblQuest->text(), question);
        QCOMPARE(Tirage, 5.0f);
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(fake->dialogs.boxes.isEmpty());
        win::UnloadAll();
        testkit::flushDeletes();
        r.jeu = u"7"_s;
        c = lance(r, {tirage(5)});
        c->Rep->setText(u"5"_s);
        c->CorrigeJeux1a5();
        QVERIFY(fake->sound.played.isEmpty());
        QCOMPARE(NbBonnes + NbFausses, 0.0f);
        QCOMPARE(c->Rep->text(), u"5"_s);
    }

    void dontKnowFocus()
    {
        // "Je ne sais pas" gives the focus back to the answer box, except in the map games.
        Reglages r;
        r.jeu = u"8"_s;
        CarteDep* c = lance(r);
        c->NoSais->setFocus();
        c->NoSais_Click();
        QCOMPARE(c->focusWidget(), static_cast<QWidget*>(c->Rep));
        win::UnloadAll();
        testkit::flushDeletes();
        r.jeu = u"4"_s;
        c = lance(r);
        c->NoSais->setFocus();
        c->NoSais_Click();
        QVERIFY(c->focusWidget() != c->Rep);
    }

    void listButton()
    {
        Reglages r;
        r.jeu = u"6"_s;
        CarteDep* c = lance(r, {tirage(27)});
        c->ListRepOk_Click();  // nothing chosen: nothing
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(fake->dialogs.boxes.isEmpty());
        win::UnloadAll();
        testkit::flushDeletes();

        r.jeu = u"9"_s;
        r.niveau = 1;  // the list hidden: the button is Enter in Rep
        c = lance(r, {tirage(27)});
        c->ListRepOk_Click();
        QVERIFY(fake->sound.played.isEmpty());
        c->Rep->setText(u"evreux"_s);
        c->ListRepOk_Click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Exact !"_s);
    }

    void allDepartementsOnce()
    {
        // "Toutes": every département is asked once; the 97th call ends the game.
        Reglages r;
        r.jeu = u"8"_s;
        r.niveau = 1;
        r.tps = 0;
        r.nbQuest = 1;
        CarteDep* c = lance(r);
        QSet<int> asked;
        for (int q = 1; q <= 96; ++q) {
            QVERIFY(!asked.contains(int(Tirage)));
            asked.insert(int(Tirage));
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/ 96 :"_s);
            c->NoSais_Click();
        }
        QCOMPARE(asked.size(), 96);
        QCOMPARE(NbFausses, 96.0f);
        QCOMPARE(fake->dialogs.boxes.size(), 97);
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n 0/ 96 soit  0 %  de réussite."_s);
        QVERIFY(win::Sommaire.isVisible());  // game 8 keeps no report
    }

    void wholeGames_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<bool>("toutJuste");
        for (int g = 1; g <= 10; ++g) {
            for (int niveau = 0; niveau < 2; ++niveau)
                QTest::addRow("%d %s", g, niveau == 0 ? "easy" : "hard") << g << niveau << false;
        }
        QTest::newRow("1 all right") << 1 << 1 << true;
        QTest::newRow("6 all right") << 6 << 0 << true;
        QTest::newRow("3 all right") << 3 << 0 << true;
    }
    void wholeGames()
    {
        QFETCH(int, g);
        QFETCH(int, niveau);
        QFETCH(bool, toutJuste);
        const bool carte = g == 3 || g == 4;
        const bool liste = parListe(g, niveau);
        const bool rapport = g == 1 || g == 2 || g == 5 || g == 6 || g == 10;
        if (carte) {
            for (int d = 1; d <= 96; ++d)
                ecritPixels(u"F"_s + num(d) + u".dat"_s, {{{d, 10, d}}});
        }
        Reglages r;
        r.jeu = num(g);
        r.niveau = niveau;
        r.sec = u" 4"_s;
        r.nombre = u" 5"_s;
        CarteDep* c = lance(r);
        fake->dialogs.onBox = [c](const testkit::ShownBox& box) {
            if (box.title != u"Terminé"_s)
                QVERIFY(!c->Timer1->isActive());
        };
        auto juste = [g](int n) {
            if (g == 2 || g == 7)
                return NumeroDep(n);
            return (g == 5 || g == 6 || g == 9) ? PrefDep[n] : NomDep[n];
        };
        auto donne = [&](const QString& texte) {
            if (liste)
                choisitDansListe(c, texte);
            else
                tape(c, texte);
        };
        const QStringList notes{u" 1/ 1 soit  100 % "_s, u" 1/ 2 soit  50 % "_s, u" 1/ 3 soit  33.33 % "_s,
                                u" 1/ 4 soit  25 % "_s};
        QSet<int> asked;
        for (int q = 1; q <= 5; ++q) {
            const int n = int(Tirage);
            QVERIFY(!asked.contains(n));
            asked.insert(n);
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/ 5 :"_s);
            const int autre = n % 96 + 1;
            const int cas = toutJuste ? 1 : q;
            if (carte) {
                if (cas == 1 || cas == 5) {
                    clique(c, n, 10);
                } else if (cas == 2) {
                    clique(c, autre, 10);
                } else if (cas == 3) {
                    c->NoSais_Click();
                } else {
                    clique(c, 200, 10);  // the sea: refused, then the time runs out
                    QVERIFY(c->Solution->isHidden());
                    c->Timer1_Timer();
                    c->Timer1_Timer();
                }
                QVERIFY(!c->Solution->isHidden());
                c->btnOK_Click();
            } else if (cas == 1) {
                donne(juste(n));
            } else if (cas == 2) {
                donne(juste(autre));
            } else if (cas == 3) {
                c->NoSais_Click();
            } else if (cas == 4) {
                if (liste)
                    c->ListRepOk_Click();  // nothing chosen: nothing
                else
                    tape(c, u"zzz"_s);  // refused
                QCOMPARE(NbBonnes + NbFausses, float(q - 1));
                c->Timer1_Timer();
                c->Timer1_Timer();
            } else if (liste) {
                donne(juste(n));
            } else {
                c->Rep->setText(juste(n));  // already typed, then "Je ne sais pas": right
                c->NoSais_Click();
            }
            if (q < 5) {
                QCOMPARE(NbBonnes + NbFausses, float(q));
                if (!toutJuste)
                    QCOMPARE(c->Note->text(), notes[q - 1]);
            }
        }
        const QString score = toutJuste ? u" 5/ 5 soit  100 % "_s : u" 2/ 5 soit  40 % "_s;
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->dialogs.boxes.last().style, 64);
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n"_s + score + u" de réussite."_s);
        if (rapport && !toutJuste) {
            QVERIFY(win::Rapport.isVisible());
            QVERIFY(!c->isVisible());
            const QStringList lignes = erreursRapport();
            // Three errors (wrong, don't know, time over), an empty line and the dated line.
            QCOMPARE(lignes.size(), 5);
            QCOMPARE(lignes[3], QString());
            QCOMPARE(lignes[4], u"Le  15/ 3/ 2024 à 14 h 5   -   Geomira"_s);
            const QString texte = win::Rapport->RichTextBox1->toPlainText();
            QCOMPARE(texte.count(u"Correction de vos erreurs"_s), 1);
        } else {
            QVERIFY(win::Sommaire.isVisible());
            QVERIFY(!win::Menu.isLoaded());
            QVERIFY(!win::Rapport.isVisible());
        }
    }
};

QTEST_MAIN(TestGames1a10)
#include "tst_games1a10.moc"
