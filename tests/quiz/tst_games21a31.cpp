// Games 21 to 31 played in the real quiz window: question set-up and layout,
// département boxes, answer checks (list, typed, proposals, map clicks,
// "Je ne sais pas", time-out), report lines, population summaries, coats of
// arms, and every game played to its end.
#include "AncienneFixture.h"
#include "testkit/Sandbox.h"

#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "platform/Screen.h"
#include "quiz/Tables.h"

#include <QImage>
#include <QLocale>
#include <QSet>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

// The random draws that ask région k, département n, proposal position p.
double region(int k) { return (k - 0.5) / 22; }
double departement(int n) { return (n - 0.5) / 96; }
double position(int p) { return (p - 0.5) / 3; }

QString num(int n) { return QString::number(n); }

const QString JUSTE = u"Bonne Réponse !"_s;

bool jeuAvecListe(int g) { return g == 21 || g == 24 || g == 25 || g == 26 || g == 31; }
bool jeuAvecRapport(int g) { return g == 21 || g == 24 || g == 25 || (g >= 27 && g <= 30); }
bool jeuCarte(int g) { return g == 22 || g == 23; }
bool jeuChoix(int g) { return g >= 27 && g <= 30; }
bool jeuDepartements(int g) { return g == 27 || g == 28; }
// The window is hidden and shown again after a verdict (which wipes the map).
bool repeint(int g, int niveau) { return g == 26 || niveau == 0; }

QString resume(const QString& tete, const QString& nom, const QString& p90, const QString& d90, const QString& l99,
               const QString& p99, const QString& d99, const QString& signe, const QString& evolution)
{
    return tete + u"\r\n\r\n"_s + nom + u" :\r\n\r\nPopulation en 1990 : "_s + p90 + u"\r\nSoit "_s + d90
        + u" hab/km²\r\n\r\n"_s + l99 + p99 + u"\r\nSoit "_s + d99 + u" hab/km²\r\n\r\nSoit une évolution "_s + signe
        + u" de "_s + evolution + u" %"_s;
}

QString proposition(int g, int i)
{
    return g == 27 ? SuperfDep[i] : g == 28 ? Pop99Dep[i] : g == 29 ? SuperfRegion[i] : Pop99Region[i];
}

} // namespace

class TestGames21a31 : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    CompteMasquages masquages;

    CarteDep* lance(const Reglages& r, std::initializer_list<double> tirages = {})
    {
        return lancePartie(*fake, masquages, r, tirages);
    }
    CarteDep* relance(const Reglages& r, std::initializer_list<double> tirages = {})
    {
        videPartie(*fake);
        return lance(r, tirages);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        Cle = QString::fromLatin1(kCleValue);
    }
    void cleanup() { sandbox.reset(); }

    void questionSetUp_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("tps");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("question");   // LblQuest (game 21: the caption of Info)
        QTest::addColumn<QList<int>>("places");  // Score left, top; NoSais left, top; Temps top (0: unchecked)
        const QList<int> bas{7440, 6480, 10440, 6600, 0}, basMinute{7440, 6480, 10440, 6600, 7200};
        const QList<int> haut{8880, 4080, 7440, 4250, 0}, dessin{8880, 4560, 7440, 4680, 4080};
        const QString q21 = u"Question  1/ 10 : Nom de la région :"_s;
        const QString q24 = u"Nom de la région ayant pour préfecture : Strasbourg"_s;
        const QString q26 = u"Quelle est la préfecture de la région coloriée"_s;
        const QString q31 = u"A quelle région correspond le blason suivant :"_s;
        auto row = [](const char* name, int g, int niveau, int tps, int n, const QString& question, const QList<int>& places) {
            QTest::newRow(name) << g << niveau << tps << n << question << places;
        };
        const QString q27 = u"Quelle est la superficie du département"_s;
        const QString q28 = u"Quelle est la population (en 1999) du département"_s;
        row("21 easy", 21, 0, 0, 1, q21, bas);
        row("21 hard timed", 21, 1, 1, 1, q21, basMinute);
        row("22 easy timed", 22, 0, 1, 1, u" Positionner la région correspondante"_s, basMinute);
        row("23 easy", 23, 0, 0, 1, u"Placer la préfecture dans la bonne région (Alsace)\r\nStrasbourg"_s,
            {8880, 2880, 7440, 3050, 0});
        row("23 hard timed", 23, 1, 1, 1, u"Placer la préfecture suivante dans la bonne région\r\nStrasbourg"_s,
            {8880, 3320, 7440, 3500, 2880});
        row("24 easy", 24, 0, 0, 1, q24, haut);
        row("24 hard timed", 24, 1, 1, 1, q24, dessin);
        row("25 easy timed", 25, 0, 1, 13, u"Quelle est la préfecture de la région : Lorraine"_s, dessin);
        row("26 easy", 26, 0, 0, 2, q26, haut);
        row("26 hard timed", 26, 1, 1, 2, q26, dessin);
        row("27 easy 5", 27, 0, 0, 5, q27 + u"\r\n 5 : Hautes Alpes"_s, bas);
        row("27 easy 2B", 27, 0, 1, 20, q27 + u"\r\n2B : Haute Corse"_s, basMinute);
        row("27 hard", 27, 1, 0, 96, q27 + u" Corse du Sud"_s, bas);
        row("28 easy 14", 28, 0, 0, 14, q28 + u" 14 : \r\nCalvados"_s, bas);
        row("28 easy 2A", 28, 0, 0, 96, q28 + u" 2A : \r\nCorse du Sud"_s, bas);
        row("28 hard", 28, 1, 1, 20, q28 + u" : Haute Corse"_s, basMinute);
        row("29", 29, 1, 0, 8, u"Quelle est la superficie de la région \r\nCorse"_s, bas);
        row("30", 30, 0, 1, 22, u"Quelle est la population (en 1999) de la région : Rhône-Alpes"_s, basMinute);
        row("31 easy", 31, 0, 0, 5, q31, bas);
        row("31 hard timed", 31, 1, 1, 5, q31, basMinute);
    }
    void questionSetUp()
    {
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, tps); QFETCH(int, n); QFETCH(QString, question);
        QFETCH(QList<int>, places);
        // Two blanks on each side of the dash; the report's summary has a blank before "R :".
        static const QMap<int, QString> infobulles{
            {21, u"Q: Noms des départements  -  R: Nom de la région correspondante"_s},
            {30, u"Q: Nom d'une région  -  R: Population de la région"_s},
            {31, u"Q: Blason d'une région  -  R: Nom de la région"_s}};
        static const QMap<int, QString> resumes{{21, u"Q: Nom des départements  -  R : Nom de la région"_s},
                                                {30, u"Q: Nom d'une région  -  R : Population de la région"_s}};
        const bool deps = jeuDepartements(g);
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .tps = tps}, {deps ? departement(n) : region(n), position(1)});
        QCOMPARE(Tirage, float(n));
        QCOMPARE(c->Label1->text(), u"Jeu n° "_s + num(g));
        QCOMPARE(c->Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(c->LblQuest->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        if (infobulles.contains(g))
            QCOMPARE(c->Label1->toolTip(), infobulles[g]);
        QCOMPARE(c->Label2->text(), deps ? u"Les Départements Français"_s : u"Les Régions Françaises"_s);
        QVERIFY(fake->pictures.loaded.contains(platform::appFile(deps ? u"GeomiraDepV.gif"_s : u"GeomiraRegV.gif"_s)));
        if (g == 21) {
            QCOMPARE(c->Info->title(), question);
            QVERIFY(c->Info->font().bold() && !c->ND[0]->font().bold());
            QVERIFY(c->Question->isHidden());
            QCOMPARE(c->Info->y(), platform::tw(1560));
            QCOMPARE(c->Reponse->y(), platform::tw(5300));
        } else {
            QCOMPARE(c->LblQuest->text(), question);
            QCOMPARE(c->Question->title(), u"Question  1/ 10 :"_s);
            QVERIFY(!c->Question->isHidden());
            // Game 28 ends the first line with the number and its colon: the line fits the label.
            if (g == 28 && niveau == 0)
                QVERIFY(c->LblQuest->fontMetrics().horizontalAdvance(question.section(u"\r\n"_s, 0, 0).trimmed())
                        <= c->LblQuest->contentsRect().width());
        }
        QCOMPARE(c->aide->title(), niveau == 0 ? u"Aide Activée."_s : u"Aide Non Activée."_s);
        QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
        QCOMPARE(c->Score->pos(), QPoint(platform::tw(places[0]), platform::tw(places[1])));
        QCOMPARE(c->NoSais->pos(), QPoint(platform::tw(places[2]), platform::tw(places[3])));
        if (places[4] != 0)
            QCOMPARE(c->Temps->y(), platform::tw(places[4]));
        if (places[4] == 7200)
            QCOMPARE(c->Temps->geometry(),
                     QRect(platform::tw(7440), platform::tw(7200), platform::tw(2900), c->Temps->height()));
        // Answer controls: none but the proposals in games 27 to 30, at either level.
        const bool liste = niveau == 0 && jeuAvecListe(g);
        QCOMPARE(c->Reponse->isHidden(), jeuCarte(g) || jeuChoix(g));
        if (!jeuCarte(g) && !jeuChoix(g)) {
            QCOMPARE(c->ListRep->isHidden(), !liste);
            QCOMPARE(c->Rep->isHidden(), liste);
            if (liste)
                QCOMPARE(c->ListRep->currentIndex(), -1);
        }
        if (jeuChoix(g))
            QVERIFY(c->isVisible() && !c->Rep->isVisible() && !c->ListRep->isVisible() && !c->ListRepOk->isVisible());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(c->Choix[i]->isHidden(), !jeuChoix(g));
            if (jeuChoix(g))
                QCOMPARE(c->Choix[i]->y(), platform::tw(3000 + 480 * i));
        }
        QCOMPARE(c->Info->isHidden(), g != 21 && g != 22);
        QCOMPARE(c->Blason->isHidden(), g != 31);
        QVERIFY(!c->Abandon->isHidden());
        if (g == 31)
            QCOMPARE(c->Reponse->y(), platform::tw(4800));
        // The report heading, only in the report games.
        Rapport* rapport = win::Rapport.ifLoaded();
        QCOMPARE(rapport != nullptr, jeuAvecRapport(g));
        if (rapport) {
            QVERIFY(!rapport->isVisible());
            const QString entete = u"Correction de vos erreurs pour ce jeu n° "_s + num(g) + u" :\n"_s;
            if (resumes.contains(g))
                QCOMPARE(rapport->RichTextBox1->toPlainText(), entete + resumes[g] + u"\n\n"_s);
            QVERIFY(rapport->RichTextBox1->toPlainText().startsWith(entete));
        }
    }

    void departementBoxes_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("numeros");  // empty: the number boxes stay hidden
        QTest::addColumn<QStringList>("noms");
        QTest::addColumn<int>("gauche");
        QTest::addColumn<bool>("verrou");
        const QStringList rhoneAlpes{u"Ain"_s, u"Ardèche"_s, u"Drôme"_s, u"Isère"_s, u"Loire"_s, u"Rhône"_s, u"Savoie"_s,
                                     u"Haute Savoie"_s};
        QTest::newRow("21 easy Corse") << 21 << 0 << 8 << QStringList{u"2B"_s, u"2A"_s}
                                       << QStringList{u"Haute Corse"_s, u"Corse du Sud"_s} << 720 << true;
        QTest::newRow("21 hard Alsace") << 21 << 1 << 1 << QStringList{} << QStringList{u"Bas Rhin"_s, u"Haut Rhin"_s} << 300
                                        << true;
        QTest::newRow("22 easy Rhône-Alpes")
            << 22 << 0 << 22 << QStringList{u"1"_s, u"7"_s, u"26"_s, u"38"_s, u"42"_s, u"69"_s, u"73"_s, u"74"_s}
            << rhoneAlpes << 720 << true;
        QTest::newRow("22 hard Rhône-Alpes") << 22 << 1 << 22 << QStringList{} << rhoneAlpes << 700 << false;
    }
    void departementBoxes()
    {
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, k); QFETCH(QStringList, numeros); QFETCH(QStringList, noms);
        QFETCH(int, gauche); QFETCH(bool, verrou);
        // A first question on Rhône-Alpes fills all eight rows; the second must clear them.
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau}, {region(22), region(k)});
        if (k != 22) {
            c->NoSais_Click();
            if (g == 22)
                c->btnOK_Click();
            QCOMPARE(Tirage, float(k));
        }
        QVERIFY(!c->Info->isHidden());
        if (g == 22)
            QCOMPARE(c->Info->title(), niveau == 0 ? u"N° et nom des départements :"_s : u"Nom des départements :"_s);
        for (int i = 0; i < 8; ++i) {
            QVERIFY(c->Etat[i]->isHidden());
            if (i >= noms.size()) {
                QVERIFY(c->ND[i]->isHidden() && c->ND[i]->text().isEmpty());
                QVERIFY(c->D[i]->isHidden() && c->D[i]->text().isEmpty());
                continue;
            }
            QVERIFY(!c->ND[i]->isHidden());
            QCOMPARE(c->ND[i]->text(), noms[i]);
            QCOMPARE(c->ND[i]->x(), platform::tw(gauche));
            QCOMPARE(c->ND[i]->isReadOnly(), verrou);
            QCOMPARE(c->D[i]->isHidden(), numeros.isEmpty());
            if (!numeros.isEmpty()) {
                QCOMPARE(c->D[i]->text(), numeros[i]);
                QVERIFY(c->D[i]->isReadOnly() && !(c->D[i]->focusPolicy() & Qt::TabFocus));
            }
        }
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("tps");
        QTest::addColumn<int>("n");            // the item asked; in games 27 to 30 the right proposal is the second
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("voie");     // "entree", "liste", "nesaispas", "temps"; "choix" (right), "autre" (wrong)
        QTest::addColumn<QString>("message");  // empty: refused
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("ligne");    // the report line, empty when none
        auto row = [](const char* name, int g, int niveau, int tps, int n, const QString& saisie, const char* voie,
                      const QString& message = {}, int style = 64, const QString& ligne = {}) {
            QTest::newRow(name) << g << niveau << tps << n << saisie << QString::fromLatin1(voie) << message << style << ligne;
        };
        const QString nsp = u"Vous ne savez pas ?\r\nC'était "_s, temps = u"Le Temps est écoulé !.\r\n"_s;
        const QString faux = u"Mauvaise Réponse !.\r\nC'était "_s, alsace21 = u"Bas Rhin - Haut Rhin -  : ALSACE"_s;
        // Names and préfectures, typed or picked.
        row("21 easy Rhône-Alpes for Alsace", 21, 0, 1, 1, u"Rhône-Alpes"_s, "liste",
            faux + u"Alsace\r\n\r\nRhône-Alpes a pour département :\r\n\r\nAin\r\nArdèche\r\nDrôme\r\nIsère\r\nLoire\r\n"
                   u"Rhône\r\nSavoie\r\nHaute Savoie\r\n"_s,
            0, alsace21);
        row("21 hard Corse", 21, 1, 1, 8, u"alsace"_s, "entree", faux + u"Corse"_s, 0,
            u"Haute Corse - Corse du Sud -  : CORSE"_s);
        row("21 hard don't know", 21, 1, 1, 1, QString(), "nesaispas", nsp + u"Alsace"_s, 48, alsace21);
        row("21 don't know, right name typed", 21, 1, 1, 1, u"ALSACE"_s, "nesaispas", JUSTE);
        row("21 capitals with accent", 21, 1, 0, 22, u"RHÔNE-ALPES"_s, "entree", JUSTE);
        row("21 no accent", 21, 1, 0, 22, u"Rhone-Alpes"_s, "entree");
        row("21 time over, right name typed", 21, 0, 1, 1, u"Alsace"_s, "temps", temps + u"C'était Alsace"_s, 48, alsace21);
        row("24 hard small letters", 24, 1, 1, 1, u"alsace"_s, "entree", JUSTE);
        row("24 leading blank", 24, 1, 1, 1, u" Alsace"_s, "entree");
        row("24 easy wrong", 24, 0, 1, 1, u"Lorraine"_s, "liste",
            faux + u"Alsace\r\n\r\nLa région Lorraine a pour préfecture Metz"_s, 48, u"Strasbourg : Alsace"_s);
        row("24 hard wrong", 24, 1, 0, 1, u"lorraine"_s, "entree", faux + u"Alsace"_s, 48, u"Strasbourg : Alsace"_s);
        row("24 time over", 24, 1, 1, 1, u"Alsace"_s, "temps", temps + u"C'était Alsace"_s, 48, u"Strasbourg : Alsace"_s);
        row("25 easy Strasbourg for Lorraine", 25, 0, 1, 13, u"Strasbourg"_s, "liste",
            u"Mauvaise Réponse !\r\nC'était Metz\r\n\r\nStrasbourg c'est la préfecture de la région Alsace"_s, 48,
            u"Lorraine : Metz"_s);
        row("25 hard strasbourg typed", 25, 1, 1, 13, u"strasbourg"_s, "entree", u"Mauvaise Réponse !\r\nC'était Metz"_s,
            48, u"Lorraine : Metz"_s);
        row("25 don't know", 25, 0, 1, 13, QString(), "nesaispas", nsp + u"Metz"_s, 48, u"Lorraine : Metz"_s);
        row("25 time over", 25, 0, 1, 1, QString(), "temps", temps + u"C'était Strasbourg"_s, 48, u"Alsace : Strasbourg"_s);
        row("26 hard small letters", 26, 1, 1, 1, u"strasbourg"_s, "entree", JUSTE);
        row("26 Toulon", 26, 1, 1, 1, u"Toulon"_s, "entree");
        row("26 blank before Lyon", 26, 1, 1, 22, u" Lyon"_s, "entree");
        row("26 Clermont-Ferrand", 26, 1, 1, 3, u"Clermont-Ferrand"_s, "entree");
        row("26 Orleans", 26, 1, 0, 6, u"Orleans"_s, "entree");
        row("26 easy wrong", 26, 0, 1, 1, u"Metz"_s, "liste", faux + u"Strasbourg"_s, 48);
        row("26 don't know", 26, 0, 0, 1, QString(), "nesaispas", nsp + u"Strasbourg"_s, 48);
        row("26 hard don't know, right typed", 26, 1, 1, 1, u"Strasbourg"_s, "nesaispas", JUSTE);
        row("26 time over", 26, 1, 1, 1, u"xyz"_s, "temps", temps + u"C'était Strasbourg"_s, 48);
        row("31 hard small letters", 31, 1, 1, 17, u"haute normandie"_s, "entree", JUSTE);
        row("31 hyphen", 31, 1, 1, 17, u"Haute-Normandie"_s, "entree");
        row("31 easy wrong", 31, 0, 1, 17, u"Basse Normandie"_s, "liste", faux + u"Haute Normandie"_s, 48);
        row("31 don't know", 31, 1, 0, 5, QString(), "nesaispas", nsp + u"Bretagne"_s, 48);
        row("31 time over, right name typed", 31, 1, 1, 17, u"Haute Normandie"_s, "temps",
            temps + u"C'était Haute Normandie"_s, 48);
        // Areas and populations, on three proposals.
        const QString P99 = u"Population en 1999 : "_s, MAJ99 = u"POPULATION EN 1999 : "_s;
        const QString mauvaise = u"Mauvaise Réponse !\r\n\r\nC'était"_s;
        row("27 Gironde wrong", 27, 0, 1, 33, QString(), "autre", mauvaise + u"10 000 km²"_s, 48, u"Gironde : 10 000 km²"_s);
        row("27 Ain wrong", 27, 1, 1, 1, QString(), "autre", mauvaise + u" 5 762 km²"_s, 48, u"Ain :  5 762 km²"_s);
        row("27 Haute Corse don't know", 27, 0, 1, 20, QString(), "nesaispas",
            u"Vous ne savez pas ?\r\n\r\nC'était 4 666 km²"_s, 48, u"Haute Corse :  4 666 km²"_s);
        row("27 right", 27, 0, 1, 33, QString(), "choix", JUSTE);
        row("27 Gironde time over", 27, 0, 1, 33, QString(), "temps", u"Le Temps est écoulé !.\r\n\r\nC'était10 000 km²"_s,
            48, u"Gironde : 10 000 km²"_s);
        row("29 Alsace wrong", 29, 0, 1, 1, QString(), "autre", mauvaise + u"  8 280 km²"_s, 48, u"Alsace :  8 280 km²"_s);
        row("29 don't know", 29, 1, 1, 1, QString(), "nesaispas", u"Vous ne savez pas ?\r\n\r\nC'était  8 280 km²"_s, 48,
            u"Alsace :  8 280 km²"_s);
        row("29 Alsace time over", 29, 1, 1, 1, QString(), "temps", u"Le Temps est écoulé !.\r\n\r\nC'était  8 280 km²"_s,
            48, u"Alsace :  8 280 km²"_s);
        row("28 Ain right", 28, 0, 1, 1, QString(), "choix",
            resume(JUSTE, u"AIN"_s, u"  471 019 hab"_s, u"81,7"_s, P99, u"  515 270 hab"_s, u"89,4"_s, u"POSITIVE"_s,
                   u"9,39"_s));
        row("28 Paris wrong", 28, 1, 1, 75, QString(), "autre",
            resume(u"Mauvaise Réponse !"_s, u"PARIS"_s, u"2 152 423 hab"_s, u"20499,3"_s, MAJ99, u"2 125 246 hab"_s,
                   u"20240,4"_s, u"NEGATIVE"_s, u"-1,26"_s),
            48, u"Paris : 2 125 246 hab"_s);
        row("28 Aisne don't know", 28, 0, 1, 2, QString(), "nesaispas",
            resume(u"Vous de savez pas ?"_s, u"AISNE"_s, u"  537 259 hab"_s, u"72,9"_s, MAJ99, u"  535 489 hab"_s,
                   u"72,7"_s, u"NEGATIVE"_s, u"-0,33"_s),
            64, u"Aisne :   535 489 hab"_s);
        row("28 Paris time over", 28, 0, 1, 75, QString(), "temps",
            resume(u"Le Temps est écoulé !"_s, u"PARIS"_s, u"2 152 423 hab"_s, u"20499,3"_s, MAJ99, u"2 125 246 hab"_s,
                   u"20240,4"_s, u"NEGATIVE"_s, u"-1,26"_s),
            48, u"Paris : 2 125 246 hab"_s);
        row("30 Limousin wrong", 30, 0, 1, 12, QString(), "autre",
            resume(u"Mauvaise Réponse !"_s, u"LIMOUSIN"_s, u"   722 850 hab"_s, u"42,7"_s, MAJ99, u"   710 939 hab"_s,
                   u"42"_s, u"NEGATIVE"_s, u"-1,65"_s),
            48, u"Limousin :    710 939 hab"_s);
        row("30 Rhône-Alpes right", 30, 1, 1, 22, QString(), "choix",
            resume(JUSTE, u"RHÔNE-ALPES"_s, u" 5 350 701 hab"_s, u"122,4"_s, P99, u" 5 645 407 hab"_s, u"129,2"_s,
                   u"POSITIVE"_s, u"5,51"_s));
        row("30 Corse time over", 30, 1, 1, 8, QString(), "temps",
            resume(u"Le Temps est écoulé !"_s, u"CORSE"_s, u"   250 371 hab"_s, u"28,8"_s, MAJ99, u"   260 196 hab"_s,
                   u"30"_s, u"POSITIVE"_s, u"3,92"_s),
            48, u"Corse :    260 196 hab"_s);
    }
    void verdicts()
    {
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, tps); QFETCH(int, n); QFETCH(QString, saisie);
        QFETCH(QString, voie); QFETCH(QString, message); QFETCH(int, style); QFETCH(QString, ligne);
        ecritPixels((jeuDepartements(g) ? u"D"_s : u"R"_s) + num(n) + u".dat"_s, {{{5, 5, 1}}});
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .tps = tps, .sec = u" 4"_s},
                            {jeuDepartements(g) ? departement(n) : region(n), position(2)});
        const QString X = jeuChoix(g) ? proposition(g, n) : QString();
        if (jeuChoix(g))
            QCOMPARE(c->Choix[1]->text(), X);
        c->Timer1_Timer();  // the help painting; one second is left
        QCOMPARE(c->Picture1->hasSetPixel(5, 5), g == 26 || niveau == 0);
        QVERIFY(fake->dialogs.boxes.isEmpty());

        QStringList rapportPendant, captions;
        bool minuteriePendant = false;
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            rapportPendant = lignesRapport();
            minuteriePendant = c->Timer1->isActive();
            for (QPushButton* b : c->Choix)
                captions << b->text();
        };
        if (voie == u"choix"_s || voie == u"autre"_s) {
            c->Choix_Click(voie == u"choix"_s ? 1 : 2);
        } else if (voie == u"temps"_s) {
            c->Rep->setText(saisie);
            c->Timer1_Timer();
        } else {
            repond(c, voie, saisie);
        }
        const QString enTete = g == 21 ? c->Info->title() : c->Question->title();
        if (message.isEmpty()) {
            QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
            QVERIFY(fake->dialogs.boxes.isEmpty());
            QCOMPARE(NbBonnes + NbFausses, 0.0f);
            QCOMPARE(c->Rep->text(), saisie);
            QVERIFY(c->Timer1->isActive());
            QVERIFY(c->Note->text().isEmpty());
            QVERIFY(enTete.startsWith(u"Question  1/ 10 :"_s));
            QVERIFY(lignesRapport().isEmpty());
            return;
        }
        const bool juste = message.startsWith(JUSTE), temps = voie == u"temps"_s;
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        verifieBoite(fake->dialogs.boxes[0], message, style,
                     juste ? u"Exact !"_s : temps && g != 28 && g != 30 ? u"Temps Ecoulé !"_s : u"Faux !"_s);
        QCOMPARE(fake->sound.names(), QStringList{juste ? u"Message.wav"_s : u"Erreur.wav"_s});
        QCOMPARE(minuteriePendant, tps == 0);
        // Behind the verdict only the right proposal keeps its caption, unless the time ran out.
        if (jeuChoix(g) && temps)
            QVERIFY(!captions.contains(QString()));
        else if (jeuChoix(g))
            QCOMPARE(captions, (QStringList{QString(), X, QString()}));
        QCOMPARE(NbBonnes + NbFausses, 1.0f);
        QCOMPARE(c->Note->text(), juste ? u" 1/ 1 soit  100 % "_s : u" 0/ 1 soit  0 % "_s);
        const QStringList lignes = ligne.isEmpty() ? QStringList{} : QStringList{ligne};
        QCOMPARE(lignesRapport(), lignes);
        QCOMPARE(rapportPendant, lignes);  // written before the box opens
        QCOMPARE(masquages.hides, repeint(g, niveau) ? 1 : 0);
        // The next question.
        QVERIFY(c->Rep->text().isEmpty());
        QVERIFY(enTete.startsWith(u"Question  2/ 10 :"_s));
        QVERIFY(c->Timer1->isActive() && c->isVisible());
        QCOMPARE(c->Temps->Value(), c->Temps->Max() - 2);
        for (QPushButton* b : c->Choix)
            QVERIFY(!jeuChoix(g) || !b->text().isEmpty());
    }

    void proposals_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<QList<double>>("tirages");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QList<int>>("items");  // item on buttons 0, 1, 2
        auto row = [](const char* name, int g, const QList<double>& tirages, int pos, const QList<int>& items) {
            QTest::newRow(name) << g << tirages << pos << items;
        };
        row("27 right first", 27, {departement(1), position(1), departement(2), departement(3)}, 1, {1, 3, 2});
        row("28 right second", 28, {departement(96), position(2), departement(20), departement(1)}, 2, {20, 96, 1});
        row("29 right third", 29, {region(22), position(3), region(1), region(2)}, 3, {1, 2, 22});
        // Wrong items drawn again while they repeat the asked one or each other.
        row("30 redraws", 30, {region(5), position(3), region(5), region(7), region(7), region(5), region(9)}, 3, {7, 9, 5});
    }
    void proposals()
    {
        QFETCH(int, g); QFETCH(QList<double>, tirages); QFETCH(int, pos); QFETCH(QList<int>, items);
        win::Menu.Load();
        choisis({.jeu = num(g)});
        fake->random.values.assign(tirages.begin(), tirages.end());
        const int avant = fake->random.draws;
        win::CarteDep.Show();
        CarteDep* c = win::CarteDep.ifLoaded();
        QCOMPARE(fake->random.draws - avant, int(tirages.size()));
        QCOMPARE(PosBonneRep, float(pos));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(c->Choix[i]->text(), proposition(g, items[i]));
        QCOMPARE(c->Choix[pos - 1]->text(), proposition(g, int(Tirage)));
    }


    void mapVerdicts_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("d");  // département clicked; 0 "Je ne sais pas", -1 time over
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("solu");
        QTest::addColumn<int>("etat");
        const QString vert = u"Région attendue en vert."_s, mauvaise = u"Mauvaise Réponse !"_s;
        QTest::newRow("22 easy on Paris") << 22 << 0 << 75 << mauvaise << vert + u"\r\nEn Rouge c'est Ile de France"_s << 2;
        QTest::newRow("23 easy on Paris") << 23 << 0 << 75 << mauvaise << vert + u"\r\nPréfecture en rouge : Paris"_s << 2;
        QTest::newRow("22 hard wrong") << 22 << 1 << 75 << mauvaise << u"\r\n"_s + vert << 2;
        QTest::newRow("23 right") << 23 << 1 << 68 << QString() << u"\r\nBonne Réponse !"_s << 1;
        QTest::newRow("22 don't know") << 22 << 0 << 0 << u"Vous ne savez pas ?"_s << u"\r\n"_s + vert << 2;
        QTest::newRow("23 time over") << 23 << 0 << -1 << u"Le Temps est écoulé !"_s << u"\r\n"_s + vert << 3;
    }
    void mapVerdicts()
    {
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(int, d); QFETCH(QString, titre); QFETCH(QString, solu);
        QFETCH(int, etat);
        // Alsace asked; Paris lies in Ile de France (région 10).
        ecritPixels(u"R1.dat"_s, {{{1, 1, 67}}});
        ecritPixels(u"R10.dat"_s, {{{2, 2, 75}}});
        ecritPixels(u"F50.dat"_s, {{{50, 60, d > 0 ? d : 67}}});
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .sec = u" 4"_s, .nombre = u" 3"_s}, {region(1)});
        c->Timer1_Timer();  // the countdown never paints a map game
        QVERIFY(!c->Picture1->hasSetPixel(1, 1));
        clique(c, 70, 60);  // the sea
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(c->Solution->isHidden());
        fake->sound.played.clear();

        if (d > 0)
            clique(c, 50, 60);
        else if (d == 0)
            c->NoSais_Click();
        else
            c->Timer1_Timer();
        QCOMPARE(fake->sound.names(), QStringList{etat == 1 ? u"Message.wav"_s : u"Erreur.wav"_s});
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QVERIFY(!c->Solution->isHidden());
        QCOMPARE(c->Solution->title(), titre);
        QCOMPARE(c->Solu->text(), solu);
        QCOMPARE(EtatCarte, int16_t(etat));
        QVERIFY(c->NoSais->isHidden() && c->Abandon->isHidden() && !c->Timer1->isActive());
        QCOMPARE(c->Picture1->colorAt(1, 1), QColor(0, 235, 0));
        QCOMPARE(c->Picture1->hasSetPixel(2, 2), d == 75);  // "Je ne sais pas" paints only the région asked
        if (d == 75)
            QCOMPARE(c->Picture1->colorAt(2, 2), QColor(250, 0, 0));
        QCOMPARE(NbBonnes + NbFausses, 0.0f);
        QVERIFY(!win::Rapport.isLoaded());

        // While the panel is up nothing else is judged: no click, no Enter in a box.
        clique(c, 50, 60);
        int16_t key = 13;
        c->ND_KeyPress(0, key);
        QCOMPARE(fake->sound.played.size(), 1);
        QCOMPARE(EtatCarte, int16_t(etat));

        c->btnOK_Click();
        QVERIFY(c->Solution->isHidden() && !c->Abandon->isHidden() && c->Timer1->isActive());
        QCOMPARE(c->Note->text(), etat == 1 ? u" 1/ 1 soit  100 % "_s : u" 0/ 1 soit  0 % "_s);
        QCOMPARE(c->Question->title(), u"Question  2/ 3 :"_s);
    }

    void enterInDepartementBoxes_data()
    {
        QTest::addColumn<int>("g");  // game 22's first question ends on a click that hit, the others on "Je ne sais pas"
        QTest::newRow("22 after a hit") << 22;
        QTest::newRow("13 after Je ne sais pas") << 13;
        QTest::newRow("20 after Je ne sais pas") << 20;
    }
    void enterInDepartementBoxes()
    {
        // Map games: Enter in a département box names nothing. Before any click, and
        // after a question settled on the map, it is refused and nothing is counted.
        QFETCH(int, g);
        ecritPixels(u"F50.dat"_s, {{{50, 60, 75}}});
        CarteDep* c = lance({.jeu = num(g), .niveau = g == 22}, {region(1), region(2)});
        int16_t key = 13;
        c->D_KeyPress(1, key);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(c->Solution->isHidden());
        if (g == 22)
            clique(c, 50, 60);
        else
            c->NoSais_Click();
        c->btnOK_Click();
        QCOMPARE(NbFausses, 1.0f);
        QCOMPARE(Tirage, 2.0f);
        fake->sound.played.clear();
        key = 13;
        c->D_KeyPress(0, key);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(c->Solution->isHidden());
        QCOMPARE(NbBonnes + NbFausses, 1.0f);
    }

    void missingPictures_data()
    {
        QTest::addColumn<int>("g");
        for (int g : {13, 27, 31})
            QTest::addRow("%d", g) << g;
    }
    void missingPictures()
    {
        // A missing map leaves the map blank, in its grey, not the map the window
        // was built with; a missing coat of arms shows none rather than the previous région's.
        QFETCH(int, g);
        fake->pictures.missing << u"GeomiraRegV.gif"_s << u"GeomiraDepV.gif"_s << u"Bretagne.gif"_s;
        CarteDep* c = lance({.jeu = num(g)}, {g == 27 ? departement(1) : region(1), region(5)});
        QVERIFY(c->Picture1->picture().isNull());
        QCOMPARE(c->Picture1->grab().toImage().pixelColor(200, 200), QColor(192, 192, 192));
        if (g != 31)
            return;
        QVERIFY(!c->Blason->pixmap().isNull());
        choisitDansListe(c, u"Alsace"_s);
        QCOMPARE(Tirage, 5.0f);
        QVERIFY(c->Blason->pixmap().isNull());
        QCOMPARE(c->LblQuest->text(), u"A quelle région correspond le blason suivant :"_s);
    }

    void allItemsOnce_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("total");
        QTest::newRow("22") << 22 << 22;
        QTest::newRow("25") << 25 << 22;
        QTest::newRow("28") << 28 << 96;
        QTest::newRow("31") << 31 << 22;
    }
    void allItemsOnce()
    {
        // "Toutes": every item once (in game 31 each with its own coat of arms), then the end.
        QFETCH(int, g); QFETCH(int, total);
        const QStringList blasons = u"Alsace Aquitaine Auvergne Bourgogne Bretagne Centre Champagne Corse Franche Ile "
                                    u"Languedoc Limousin Lorraine Midi Nord BasseN HauteN PaysLoire Picardie Poitou "
                                    u"Provence Rhone"_s.split(u' ');
        QImage vert(8, 8, QImage::Format_RGB32);
        vert.fill(Qt::green);
        QVERIFY(vert.save(platform::appFile(u"Corse.gif"_s), "PNG"));  // any readable picture will do
        CarteDep* c = lance({.jeu = num(g), .niveau = 1, .tps = 0, .nbQuest = 1});
        QSet<int> asked;
        for (int q = 1; q <= total; ++q) {
            const int k = int(Tirage);
            QVERIFY(!asked.contains(k));
            asked.insert(k);
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/"_s + platform::Str(total) + u" :"_s);
            if (g == 31) {
                QCOMPARE(fake->pictures.loaded.last(), platform::appFile(blasons[k - 1] + u".gif"_s));
                QVERIFY(!c->Blason->pixmap().isNull());
                if (k == 8)
                    QCOMPARE(c->Blason->pixmap().toImage().pixelColor(0, 0), QColor(Qt::green));
            }
            c->NoSais_Click();
            if (jeuCarte(g))
                c->btnOK_Click();
        }
        QCOMPARE(NbFausses, float(total));
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(win::Rapport.isVisible(), jeuAvecRapport(g));
        if (jeuAvecRapport(g))
            QCOMPARE(lignesRapport().size(), total + 2);
        else
            QVERIFY(win::Sommaire.isVisible());
    }

    void wholeGames_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<bool>("toutJuste");
        for (int g = 21; g <= 31; ++g) {
            for (int niveau = 0; niveau < 2; ++niveau)
                QTest::addRow("%d %s", g, niveau == 0 ? "easy" : "hard") << g << niveau << false;
        }
        QTest::newRow("24 all right") << 24 << 0 << true;
        QTest::newRow("28 all right") << 28 << 1 << true;
        QTest::newRow("22 all right") << 22 << 0 << true;
    }
    void wholeGames()
    {
        // Five questions: right, wrong, "Je ne sais pas", refused then time over, right.
        QFETCH(int, g); QFETCH(int, niveau); QFETCH(bool, toutJuste);
        const QString voie = niveau == 0 && jeuAvecListe(g) ? u"liste"_s : u"entree"_s;
        if (jeuCarte(g))
            colonnesDepartements();
        CarteDep* c = lance({.jeu = num(g), .niveau = niveau, .sec = u" 4"_s, .nombre = u" 5"_s});
        fake->dialogs.onBox = [c](const testkit::ShownBox& box) {
            if (box.title != u"Terminé"_s)
                QVERIFY(!c->Timer1->isActive());
        };
        // The right answer to région or département n, or a wrong one.
        auto reponse = [&](int n, bool juste) {
            if (jeuCarte(g)) {
                int d = 1;
                while ((NumRegionDep[d] == n) != juste)
                    ++d;
                return clique(c, d, 10);
            }
            if (jeuChoix(g)) {
                int bon = 0;
                while (c->Choix[bon]->text() != proposition(g, n))
                    ++bon;
                return c->Choix_Click(juste ? bon : (bon + 1) % 3);
            }
            const int k = juste ? n : n % 22 + 1;
            repond(c, voie, (g == 25 || g == 26) ? PrefRegion[k] : NomRegion[k]);
        };
        const QStringList notes{u" 1/ 1 soit  100 % "_s, u" 1/ 2 soit  50 % "_s, u" 1/ 3 soit  33.33 % "_s,
                                u" 1/ 4 soit  25 % "_s};
        QSet<int> asked;
        for (int q = 1; q <= 5; ++q) {
            const int n = int(Tirage);
            QVERIFY(!asked.contains(n));
            asked.insert(n);
            const QString enTete = g == 21 ? c->Info->title() : c->Question->title();
            QVERIFY(enTete.startsWith(u"Question "_s + platform::Str(q) + u"/ 5 :"_s));
            const int cas = toutJuste ? 1 : q;
            if (cas == 1 || cas == 5 || cas == 2) {
                reponse(n, cas != 2);
            } else if (cas == 3) {
                c->NoSais_Click();
            } else {
                if (jeuCarte(g))
                    clique(c, 200, 10);  // the sea
                else if (!jeuChoix(g))
                    repond(c, voie, voie == u"liste"_s ? QString() : u"zzz"_s);
                QCOMPARE(NbBonnes + NbFausses, float(q - 1));  // refused
                QVERIFY(c->Solution->isHidden());
                c->Timer1_Timer();
                c->Timer1_Timer();  // time over
            }
            if (jeuCarte(g)) {
                QVERIFY(!c->Solution->isHidden());
                c->btnOK_Click();
            }
            QCOMPARE(NbBonnes + NbFausses, float(q));
            if (q < 5 && !toutJuste)
                QCOMPARE(c->Note->text(), notes[q - 1]);
        }
        const QString score = toutJuste ? u" 5/ 5 soit  100 % "_s : u" 2/ 5 soit  40 % "_s;
        verifieBoite(fake->dialogs.boxes.last(),
                     u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n"_s + score + u" de réussite."_s,
                     64, u"Terminé"_s);
        if (jeuAvecRapport(g) && !toutJuste) {
            QVERIFY(win::Rapport.isVisible() && !c->isVisible());
            const QStringList lignes = lignesRapport();  // three errors, an empty line, the dated line
            QCOMPARE(lignes.size(), 5);
            QCOMPARE(lignes.mid(3), (QStringList{QString(), u"Le  15/ 3/ 2024 à 14 h 5   -   Geomira"_s}));
        } else {
            QVERIFY(win::Sommaire.isVisible() && !win::Menu.isLoaded() && !win::Rapport.isVisible());
        }
    }

    void screenshots()
    {
        // Pictures of a few questions, with the real maps when the build has them.
        const QString app = qEnvironmentVariable("GEOMIRA_APP_DIR");
        for (const QString& carte : {u"GeomiraRegV.gif"_s, u"GeomiraDepV.gif"_s})
            QFile::copy(app + u"/"_s + carte, platform::appFile(carte));
        QImage blason(175, 118, QImage::Format_RGB32);
        blason.fill(QColor(200, 30, 30));
        blason.save(platform::appFile(u"Alsace.gif"_s), "PNG");
        struct Capture {
            int g, niveau, tps;
            double tirage;
            const char* nom;
        };
        for (const Capture& s : {Capture{21, 0, 1, region(22), "g21-easy"}, Capture{22, 1, 0, region(14), "g22-hard"},
                                 Capture{23, 0, 1, region(21), "g23-easy"}, Capture{25, 0, 0, region(7), "g25-easy"},
                                 Capture{28, 0, 1, departement(20), "g28-easy"}, Capture{31, 0, 1, region(1), "g31-easy"}}) {
            CarteDep* c = relance({.jeu = num(s.g), .niveau = s.niveau, .tps = s.tps}, {s.tirage, position(1)});
            c->Timer1_Timer();
            testkit::screenshot(c, QString::fromLatin1(s.nom));
        }
        // The verdict panel of game 23 after a wrong click.
        ecritPixels(u"F50.dat"_s, {{{50, 60, 29}}});
        CarteDep* c = relance({.jeu = u"23"_s}, {region(21)});
        clique(c, 50, 60);
        QVERIFY(!c->Solution->isHidden());
        testkit::screenshot(c, u"g23-verdict"_s);
    }
};

QTEST_MAIN(TestGames21a31)
#include "tst_games21a31.moc"
