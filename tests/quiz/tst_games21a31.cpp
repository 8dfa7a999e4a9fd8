// Games 21 to 31 played in the real quiz window: the first question of each
// game, the département boxes, answer checks (lists, typed texts, proposals,
// map clicks, "Je ne sais pas", time-out), report lines, population summaries,
// coats of arms and whole games.
#include "QuizFixture.h"

#include "platform/Conversions.h"

#include <QImage>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

QString proposition(int g, int i)
{
    return g == 27 ? SuperfDep[i] : g == 28 ? Pop99Dep[i] : g == 29 ? SuperfRegion[i] : Pop99Region[i];
}

} // namespace

class TestGames21a31 : public QObject, QuizFixture {
    Q_OBJECT

private slots:
    void init()
    {
        testkit::pinRowLocale();
        ouvre();
    }
    void cleanup() { ferme(); }

    void questions_data()
    {
        colonnesQuestion();
        const QString rep = u"Rep OK"_s, liste = u"OK ListRep"_s, choix = u"Choix"_s;
        const QString q27 = u"Quelle est la superficie du département"_s;
        const QString q28 = u"Quelle est la population (en 1999) du département"_s;
        jeu(21, u"Q: Noms des départements  -  R: Nom de la région correspondante"_s,
            u"Colorie la région, donne le numéro des départements et la liste des régions"_s,
            u"Ne colorie pas la région, ne donne pas le n° des départements, ni la liste des régions"_s,
            u"Q: Nom des départements  -  R : Nom de la région"_s);
        ligneQuestion("21 easy", 0, 1, u"Question  1/ 10 : Nom de la région :"_s, u"Info OK ListRep"_s, 6480);
        ligneQuestion("21 hard", 1, 1, u"Question  1/ 22 : Nom de la région :"_s, u"Info Rep OK"_s, 6480, 7200);
        jeu(22, u"Q: Noms des départements  -  R: Positionner la région correspondante"_s,
            u"Donne le numéro des départements"_s, u"Ne donne pas le numéro des départements"_s);
        ligneQuestion("22 easy", 0, 1, u" Positionner la région correspondante"_s, u"Info"_s, 6480);
        ligneQuestion("22 hard", 1, 1, u" Positionner la région correspondante"_s, u"Info"_s, 6480, 7200);
        jeu(23, u"Q: Noms de la préfecture régionale  -  R: Positionner la préfecture dans la bonne région"_s,
            u"Donne le nom de la région"_s, u"Ne donne pas le nom de la région"_s);
        ligneQuestion("23 easy", 0, 1, u"Placer la préfecture dans la bonne région (Alsace)\r\nStrasbourg"_s, {}, 2880);
        ligneQuestion("23 hard", 1, 1, u"Placer la préfecture suivante dans la bonne région\r\nStrasbourg"_s, {}, 3320, 2880);
        jeu(24, u"Q: Nom de la préfecture régionale  -  R: Nom de la région"_s,
            u"Colorie la région et donne la liste des régions"_s,
            u"Ne colorie pas la région et ne donne pas la liste des régions"_s);
        ligneQuestion("24 easy", 0, 1, u"Nom de la région ayant pour préfecture : Strasbourg"_s, liste, 4080);
        ligneQuestion("24 hard", 1, 1, u"Nom de la région ayant pour préfecture : Strasbourg"_s, rep, 4560, 4080);
        jeu(25, u"Q: Nom de la région  -  R: Nom de la préfecture régionale"_s,
            u"Colorie la région et donne la liste des préfectures"_s,
            u"Ne colorie pas la région et ne donne pas la liste des préfectures"_s);
        ligneQuestion("25 easy", 0, 13, u"Quelle est la préfecture de la région : Lorraine"_s, liste, 4080);
        ligneQuestion("25 hard", 1, 13, u"Quelle est la préfecture de la région : Lorraine"_s, rep, 4560, 4080);
        jeu(26, u"Q: Colorie une région  -  R: Nom de la préfecture régionale"_s, u"Donne la liste des préfectures"_s,
            u"Ne donne pas la liste des préfectures"_s);
        ligneQuestion("26 easy", 0, 2, u"Quelle est la préfecture de la région coloriée"_s, liste, 4080);
        ligneQuestion("26 hard", 1, 2, u"Quelle est la préfecture de la région coloriée"_s, rep, 4560, 4080);
        jeu(27, u"Q: Nom d'un département  -  R: Superficie du département"_s,
            u"Colorie le département et donne son numéro"_s, u"Ne colorie pas le département et ne donne pas son numéro"_s);
        ligneQuestion("27 easy 5", 0, 5, q27 + u"\r\n 5 : Hautes Alpes"_s, choix, 6480);
        ligneQuestion("27 easy 2B", 0, 20, q27 + u"\r\n2B : Haute Corse"_s, choix, 6480);
        ligneQuestion("27 hard", 1, 96, q27 + u" Corse du Sud"_s, choix, 6480, 7200);
        jeu(28, u"Q: Nom d'un département  -  R: Population du département"_s,
            u"Colorie le département et donne son numéro"_s, u"Ne colorie pas le département et ne donne pas son numéro"_s);
        ligneQuestion("28 easy 14", 0, 14, q28 + u" 14 : \r\nCalvados"_s, choix, 6480);
        ligneQuestion("28 easy 2A", 0, 96, q28 + u" 2A : \r\nCorse du Sud"_s, choix, 6480);
        ligneQuestion("28 hard", 1, 20, q28 + u" : Haute Corse"_s, choix, 6480, 7200);
        jeu(29, u"Q: Nom d'une région  -  R: Superficie de la région"_s, u"Colorie la région"_s,
            u"Ne colorie pas la région"_s);
        ligneQuestion("29 easy", 0, 8, u"Quelle est la superficie de la région \r\nCorse"_s, choix, 6480);
        ligneQuestion("29 hard", 1, 8, u"Quelle est la superficie de la région \r\nCorse"_s, choix, 6480, 7200);
        jeu(30, u"Q: Nom d'une région  -  R: Population de la région"_s, u"Colorie la région"_s,
            u"Ne colorie pas la région"_s);
        ligneQuestion("30 easy", 0, 22, u"Quelle est la population (en 1999) de la région : Rhône-Alpes"_s, choix, 6480);
        ligneQuestion("30 hard", 1, 22, u"Quelle est la population (en 1999) de la région : Rhône-Alpes"_s, choix, 6480,
                      7200);
        jeu(31, u"Q: Blason d'une région  -  R: Nom de la région"_s,
            u"Colorie la région et propose la liste des régions"_s,
            u"Ne colorie pas la région et ne propose pas la liste des régions"_s);
        ligneQuestion("31 easy", 0, 5, u"A quelle région correspond le blason suivant :"_s, u"OK ListRep Blason"_s, 6480);
        ligneQuestion("31 hard", 1, 5, u"A quelle région correspond le blason suivant :"_s, u"Rep Blason"_s, 6480, 7200);
    }
    void questions()
    {
        question();
        // The three proposals stand one under the other below the question; game 28 ends the
        // question's first line with the number and its colon, on one line in the label.
        CarteDep* c = win::CarteDep.ifLoaded();
        for (int i = 0; i < 3 && c->Choix[0]->isVisible(); ++i)
            QCOMPARE(c->Choix[i]->y(), platform::tw(3000 + 480 * i));
        const QString premiere = c->LblQuest->text().section(u"\r\n"_s, 0, 0).trimmed();
        if (QByteArrayView(QTest::currentDataTag()).startsWith("28 easy"))
            QVERIFY(c->LblQuest->fontMetrics().horizontalAdvance(premiere) <= c->LblQuest->contentsRect().width());
    }

    void departementBoxes_data()
    {
        colonnesCases();
        const QStringList noms{u"Ain"_s, u"Haute Corse"_s, u"Corse du Sud"_s};
        ligneCases("21 easy", 21, 0, {u"1"_s, u"2B"_s, u"2A"_s}, noms, {}, {120, 720}, {});
        ligneCases("21 hard", 21, 1, {}, noms, {}, {0, 300}, {});
        ligneCases("22 easy", 22, 0, {u"1"_s, u"2B"_s, u"2A"_s}, noms, {}, {120, 720}, u"N° et nom des départements :"_s);
        ligneCases("22 hard", 22, 1, {}, noms, u"ND"_s, {0, 700}, u"Nom des départements :"_s);
    }
    void departementBoxes() { cases(); }

    void verdicts_data()
    {
        colonnesVerdict();
        const QString nsp = u"Vous ne savez pas ?\r\nC'était "_s, temps = u"Le Temps est écoulé !.\r\n"_s;
        const QString faux = u"Mauvaise Réponse !.\r\nC'était "_s, alsace21 = u"Bas Rhin - Haut Rhin -  : ALSACE"_s;
        // Names and préfectures, typed or picked.
        ligneVerdict("21 easy Rhône-Alpes for Alsace", 21, 0, 1, 1, u"Rhône-Alpes"_s, "liste",
            faux + u"Alsace\r\n\r\nRhône-Alpes a pour département :\r\n\r\nAin\r\nArdèche\r\nDrôme\r\nIsère\r\nLoire\r\n"
                   u"Rhône\r\nSavoie\r\nHaute Savoie\r\n"_s,
            0, alsace21);
        ligneVerdict("21 hard Corse", 21, 1, 1, 8, u"alsace"_s, "entree", faux + u"Corse"_s, 0,
            u"Haute Corse - Corse du Sud -  : CORSE"_s);
        ligneVerdict("21 hard don't know", 21, 1, 1, 1, {}, "nesaispas", nsp + u"Alsace"_s, 48, alsace21);
        ligneVerdict("21 don't know, right name typed", 21, 1, 1, 1, u"ALSACE"_s, "nesaispas", kJuste);
        ligneVerdict("21 capitals with accent", 21, 1, 0, 22, u"RHÔNE-ALPES"_s, "entree", kJuste);
        ligneVerdict("21 no accent", 21, 1, 0, 22, u"Rhone-Alpes"_s, "entree");
        ligneVerdict("21 time over, right name typed", 21, 0, 1, 1, u"Alsace"_s, "temps", temps + u"C'était Alsace"_s, 48, alsace21);
        ligneVerdict("24 hard small letters", 24, 1, 1, 1, u"alsace"_s, "entree", kJuste);
        ligneVerdict("24 leading blank", 24, 1, 1, 1, u" Alsace"_s, "entree");
        ligneVerdict("24 easy wrong", 24, 0, 1, 1, u"Lorraine"_s, "liste",
            faux + u"Alsace\r\n\r\nLa région Lorraine a pour préfecture Metz"_s, 48, u"Strasbourg : Alsace"_s);
        ligneVerdict("24 hard wrong", 24, 1, 0, 1, u"lorraine"_s, "entree", faux + u"Alsace"_s, 48, u"Strasbourg : Alsace"_s);
        ligneVerdict("24 time over", 24, 1, 1, 1, u"Alsace"_s, "temps", temps + u"C'était Alsace"_s, 48, u"Strasbourg : Alsace"_s);
        ligneVerdict("25 easy Strasbourg for Lorraine", 25, 0, 1, 13, u"Strasbourg"_s, "liste",
            u"Mauvaise Réponse !\r\nC'était Metz\r\n\r\nStrasbourg c'est la préfecture de la région Alsace"_s, 48,
            u"Lorraine : Metz"_s);
        ligneVerdict("25 hard strasbourg typed", 25, 1, 1, 13, u"strasbourg"_s, "entree", u"Mauvaise Réponse !\r\nC'était Metz"_s,
            48, u"Lorraine : Metz"_s);
        ligneVerdict("25 don't know", 25, 0, 1, 13, {}, "nesaispas", nsp + u"Metz"_s, 48, u"Lorraine : Metz"_s);
        ligneVerdict("25 time over", 25, 0, 1, 1, {}, "temps", temps + u"C'était Strasbourg"_s, 48, u"Alsace : Strasbourg"_s);
        ligneVerdict("26 hard small letters", 26, 1, 1, 1, u"strasbourg"_s, "entree", kJuste);
        ligneVerdict("26 Toulon", 26, 1, 1, 1, u"Toulon"_s, "entree");
        ligneVerdict("26 blank before Lyon", 26, 1, 1, 22, u" Lyon"_s, "entree");
        ligneVerdict("26 Clermont-Ferrand", 26, 1, 1, 3, u"Clermont-Ferrand"_s, "entree");
        ligneVerdict("26 Orleans", 26, 1, 0, 6, u"Orleans"_s, "entree");
        ligneVerdict("26 easy wrong", 26, 0, 1, 1, u"Metz"_s, "liste", faux + u"Strasbourg"_s, 48);
        ligneVerdict("26 don't know", 26, 0, 0, 1, {}, "nesaispas", nsp + u"Strasbourg"_s, 48);
        ligneVerdict("26 hard don't know, right typed", 26, 1, 1, 1, u"Strasbourg"_s, "nesaispas", kJuste);
        ligneVerdict("26 time over", 26, 1, 1, 1, u"xyz"_s, "temps", temps + u"C'était Strasbourg"_s, 48);
        ligneVerdict("31 hard small letters", 31, 1, 1, 17, u"haute normandie"_s, "entree", kJuste);
        ligneVerdict("31 hyphen", 31, 1, 1, 17, u"Haute-Normandie"_s, "entree");
        ligneVerdict("31 easy wrong", 31, 0, 1, 17, u"Basse Normandie"_s, "liste", faux + u"Haute Normandie"_s, 48);
        ligneVerdict("31 don't know", 31, 1, 0, 5, {}, "nesaispas", nsp + u"Bretagne"_s, 48);
        ligneVerdict("31 time over, right name typed", 31, 1, 1, 17, u"Haute Normandie"_s, "temps",
            temps + u"C'était Haute Normandie"_s, 48);
        // Areas and populations, on three proposals.
        const QString mauvaise = u"Mauvaise Réponse !\r\n\r\nC'était"_s;
        ligneVerdict("27 Gironde wrong", 27, 0, 1, 33, {}, "autre", mauvaise + u"10 000 km²"_s, 48, u"Gironde : 10 000 km²"_s);
        ligneVerdict("27 Ain wrong", 27, 1, 1, 1, {}, "autre", mauvaise + u" 5 762 km²"_s, 48, u"Ain :  5 762 km²"_s);
        ligneVerdict("27 Haute Corse don't know", 27, 0, 1, 20, {}, "nesaispas",
            u"Vous ne savez pas ?\r\n\r\nC'était 4 666 km²"_s, 48, u"Haute Corse :  4 666 km²"_s);
        ligneVerdict("27 right", 27, 0, 1, 33, {}, "choix", kJuste);
        ligneVerdict("27 Gironde time over", 27, 0, 1, 33, {}, "temps", u"Le Temps est écoulé !.\r\n\r\nC'était10 000 km²"_s,
            48, u"Gironde : 10 000 km²"_s);
        ligneVerdict("29 Alsace wrong", 29, 0, 1, 1, {}, "autre", mauvaise + u"  8 280 km²"_s, 48, u"Alsace :  8 280 km²"_s);
        ligneVerdict("29 don't know", 29, 1, 1, 1, {}, "nesaispas", u"Vous ne savez pas ?\r\n\r\nC'était  8 280 km²"_s, 48,
            u"Alsace :  8 280 km²"_s);
        ligneVerdict("29 Alsace time over", 29, 1, 1, 1, {}, "temps", u"Le Temps est écoulé !.\r\n\r\nC'était  8 280 km²"_s,
            48, u"Alsace :  8 280 km²"_s);
        // Games 28 and 30: the summary of département or région n with the densities and evolution the row
        // writes, "Population en 1999" in capitals unless right; a wrong answer reports the 1999 population.
        auto population = [](const char* nom, int g, int niveau, int n, const char* voie, const QString& tete,
                             const QString& d90, const QString& d99, const QString& evolution, int style = 48) {
            const bool juste = tete == kJuste, dep = g == 28;
            const QString item = dep ? NomDep[n] : NomRegion[n], p99 = dep ? Pop99Dep[n] : Pop99Region[n];
            const QString message = tete + u"\r\n\r\n"_s + item.toUpper() + u" :\r\n\r\nPopulation en 1990 : "_s
                + (dep ? Pop90Dep[n] : Pop90Region[n]) + u"\r\nSoit "_s + d90 + u" hab/km²\r\n\r\n"_s
                + (juste ? u"Population en 1999 : "_s : u"POPULATION EN 1999 : "_s) + p99 + u"\r\nSoit "_s + d99
                + u" hab/km²\r\n\r\nSoit une évolution "_s + (evolution.startsWith(u'-') ? u"NEGATIVE"_s : u"POSITIVE"_s)
                + u" de "_s + evolution + u" %"_s;
            ligneVerdict(nom, g, niveau, 1, n, {}, voie, message, style, juste ? QString() : item + u" : "_s + p99);
        };
        const QString perdu = u"Mauvaise Réponse !"_s, fini = u"Le Temps est écoulé !"_s;
        population("28 Ain right", 28, 0, 1, "choix", kJuste, u"81,7"_s, u"89,4"_s, u"9,39"_s, 64);
        population("28 Paris wrong", 28, 1, 75, "autre", perdu, u"20499,3"_s, u"20240,4"_s, u"-1,26"_s);
        population("28 Paris wrong, locale en_US", 28, 1, 75, "autre", perdu, u"20499.3"_s, u"20240.4"_s, u"-1.26"_s);
        population("28 Aisne don't know", 28, 0, 2, "nesaispas", u"Vous de savez pas ?"_s, u"72,9"_s, u"72,7"_s,
                   u"-0,33"_s, 64);
        population("28 Paris time over", 28, 0, 75, "temps", fini, u"20499,3"_s, u"20240,4"_s, u"-1,26"_s);
        population("30 Limousin wrong", 30, 0, 12, "autre", perdu, u"42,7"_s, u"42"_s, u"-1,65"_s);
        population("30 Rhône-Alpes right", 30, 1, 22, "choix", kJuste, u"122,4"_s, u"129,2"_s, u"5,51"_s, 64);
        population("30 Corse time over", 30, 1, 8, "temps", fini, u"28,8"_s, u"30"_s, u"3,92"_s);
    }
    void verdicts() { verdict(); }

    void proposals_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<QList<double>>("tirages");
        QTest::addColumn<QList<int>>("items");  // item on buttons 0, 1, 2
        QTest::newRow("27 right first") << 27 << QList{tirage96(1), position(1), tirage96(2), tirage96(3)} << QList{1, 3, 2};
        QTest::newRow("28 right second") << 28 << QList{tirage96(96), position(2), tirage96(20), tirage96(1)}
                                         << QList{20, 96, 1};
        QTest::newRow("29 right third") << 29 << QList{tirage22(22), position(3), tirage22(1), tirage22(2)}
                                        << QList{1, 2, 22};
        // Wrong items drawn again while they repeat the asked one or each other.
        QTest::newRow("30 redraws") << 30
                                    << QList{tirage22(5), position(3), tirage22(5), tirage22(7), tirage22(7), tirage22(5),
                                             tirage22(9)}
                                    << QList{7, 9, 5};
    }
    void proposals()
    {
        QFETCH(int, g); QFETCH(QList<double>, tirages); QFETCH(QList<int>, items);
        CarteDep* c = lance({.jeu = num(g)}, tirages);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(c->Choix[i]->text(), proposition(g, items[i]));
    }

    void mapVerdicts_data()
    {
        colonnesCarte();
        // Alsace asked; Paris lies in Ile de France, Landes in Aquitaine (préfecture Bordeaux).
        const QString vert = u"Région attendue en vert."_s, mauvaise = u"Mauvaise Réponse !"_s;
        ligneCarte("22 easy on Paris", 22, 0, 1, 75, mauvaise, vert + u"\r\nEn Rouge c'est Ile de France"_s);
        ligneCarte("23 easy on Landes", 23, 0, 1, 40, mauvaise, vert + u"\r\nPréfecture en rouge : Bordeaux"_s);
        ligneCarte("22 hard wrong", 22, 1, 1, 75, mauvaise, u"\r\n"_s + vert);
        ligneCarte("23 right", 23, 1, 1, 68, {}, u"\r\nBonne Réponse !"_s, true);
        ligneCarte("22 don't know", 22, 0, 1, 0, u"Vous ne savez pas ?"_s, u"\r\n"_s + vert);
        ligneCarte("23 time over", 23, 0, 1, -1, u"Le Temps est écoulé !"_s, u"\r\n"_s + vert);
    }
    void mapVerdicts() { verdictCarte(); }

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
        CarteDep* c = lance({.jeu = num(g), .niveau = g == 22}, {tirage22(1), tirage22(2)});
        int16_t key = 13;
        c->D_KeyPress(1, key);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(c->Solution->isHidden());
        if (g == 22)
            clique(c, 50, 60);
        else
            c->NoSais_Click();
        c->btnOK_Click();
        QCOMPARE(c->Note->text(), u" 0/ 1 soit  0 % "_s);
        fake->sound.played.clear();
        key = 13;
        c->D_KeyPress(0, key);
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(c->Solution->isHidden());
        QCOMPARE(c->Note->text(), u" 0/ 1 soit  0 % "_s);
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
        CarteDep* c = lance({.jeu = num(g)}, {g == 27 ? tirage96(1) : tirage22(1), tirage22(5)});
        QVERIFY(c->Picture1->picture().isNull());
        QCOMPARE(c->Picture1->grab().toImage().pixelColor(200, 200), QColor(192, 192, 192));
        if (g != 31)
            return;
        QVERIFY(!c->Blason->pixmap().isNull());
        choisitDansListe(c, u"Alsace"_s);
        QVERIFY(c->Blason->pixmap().isNull());
        QCOMPARE(c->LblQuest->text(), u"A quelle région correspond le blason suivant :"_s);
    }

    void everyCoatOfArms()
    {
        // "Toutes": each région once, each with its own coat of arms, from which alone it is named right.
        const QStringList blasons = u"Alsace Aquitaine Auvergne Bourgogne Bretagne Centre Champagne Corse Franche Ile "
                                    u"Languedoc Limousin Lorraine Midi Nord BasseN HauteN PaysLoire Picardie Poitou "
                                    u"Provence Rhone"_s.split(u' ');
        for (int k = 1; k <= 22; ++k) {
            QImage blason(8, 8, QImage::Format_RGB32);
            blason.fill(QColor(10 * k, 100, 200));
            QVERIFY(blason.save(platform::appFile(blasons[k - 1] + u".gif"_s), "PNG"));
        }
        CarteDep* c = lance({.jeu = u"31"_s, .niveau = 1, .tps = 0, .nbQuest = 1});
        QSet<int> vus;
        for (int q = 1; q <= 22; ++q) {
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/ 22 :"_s);
            const int k = c->Blason->pixmap().toImage().pixelColor(0, 0).red() / 10;
            QVERIFY(k >= 1 && k <= 22 && !vus.contains(k));
            vus.insert(k);
            tape(c, NomRegion[k]);
        }
        QCOMPARE(fake->dialogs.boxes.size(), 23);
        QCOMPARE(fake->dialogs.boxes[21].title, u"Exact !"_s);
        QCOMPARE(fake->dialogs.boxes[22].prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n 22/ 22 soit  100 %  de réussite."_s);
    }

    void wholeGames_data()
    {
        colonnesPartie();
        for (int g = 21; g <= 31; ++g) {
            lignePartie(g, 0, jeuRapport(g) ? 3 : 0);
            lignePartie(g, 1, jeuRapport(g) ? 3 : 0);
        }
        lignePartieJuste(24, 0);
        lignePartieJuste(28, 1);
        lignePartieJuste(22, 0);
    }
    void wholeGames()
    {
        QFETCH(int, g);
        partie([g](CarteDep* c, int n, Coup coup) {
            if (jeuCarte(g)) {  // a département of the région asked, or of another
                int d = 1;
                while (coup != Coup::Refus && (NumRegionDep[d] == n) == (coup == Coup::Faux))
                    ++d;
                return clique(c, coup == Coup::Refus ? 200 : d, 10);
            }
            if (jeuChoix(g)) {  // nothing to refuse: the time runs out
                int bon = 0;
                while (c->Choix[bon]->text() != proposition(g, n))
                    ++bon;
                if (coup != Coup::Refus)
                    c->Choix_Click(coup == Coup::Faux ? (bon + 1) % 3 : bon);
                return;
            }
            const std::array<QString, 24>& table = g == 25 || g == 26 ? PrefRegion : NomRegion;
            repondTexte(c, coup, table[n], table[n % 22 + 1]);
        });
    }

    void screenshots()
    {
        // Pictures of a few questions, with the real maps when the build has them (GEOMIRA_SCREENSHOTS).
        if (qEnvironmentVariableIsEmpty("GEOMIRA_SCREENSHOTS"))
            QSKIP("GEOMIRA_SCREENSHOTS not set");
        for (const QString& carte : {u"GeomiraRegV.gif"_s, u"GeomiraDepV.gif"_s})
            QFile::copy(qEnvironmentVariable("GEOMIRA_APP_DIR") + u"/"_s + carte, platform::appFile(carte));
        const std::tuple<int, int, double> captures[] = {
            {11, 0, tirage96(96)}, {13, 1, tirage22(22)}, {16, 0, tirage22(22)}, {17, 1, tirage22(22)},
            {19, 0, tirage22(22)}, {20, 0, tirage22(22)}, {21, 0, tirage22(22)}, {22, 1, tirage22(14)},
            {23, 0, tirage22(21)}, {25, 0, tirage22(7)},  {28, 0, tirage96(20)}, {31, 0, tirage22(1)}};
        for (const auto& [g, niveau, tirage] : captures) {
            CarteDep* c = relance({.jeu = num(g), .niveau = niveau}, {tirage, position(1)});
            testkit::screenshot(c, u"g%1-%2"_s.arg(g).arg(niveau == 0 ? u"easy"_s : u"hard"_s));
        }
        ecritPixels(u"F50.dat"_s, {{{50, 60, 29}}});
        CarteDep* c = relance({.jeu = u"23"_s}, {tirage22(21)});
        clique(c, 50, 60);
        testkit::screenshot(c, u"g23-verdict"_s);
    }
};

QTEST_MAIN(TestGames21a31)
#include "tst_games21a31.moc"
