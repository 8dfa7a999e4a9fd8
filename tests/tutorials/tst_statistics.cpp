// The statistics tutorials: tables, sorting, thematic maps, figures under the
// mouse, views, help, return and printing.
#include "../quiz/QuizFixture.h"

#include "quiz/MapBox.h"
#include "tutorials/ClassesCartes.h"
#include "tutorials/DidacPop.h"
#include "tutorials/DidacPop2.h"
#include "tutorials/StatImpression.h"
#include "testkit/CupsServer.h"
#include "testkit/Layout.h"
#include "testkit/PdfPages.h"

#include <QDir>
#include <QHeaderView>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using namespace stats;
using testkit::LignePdf;
using testkit::PagePdf;

namespace {

QStringList colonne(QTreeWidget* list, int column)
{
    QStringList cells;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        cells << list->topLevelItem(i)->text(column);
    return cells;
}

StatWindow* ouvre(bool regions)
{
    regions ? win::DidacPop2.Show() : win::DidacPop.Show();
    return regions ? static_cast<StatWindow*>(win::DidacPop2.ifLoaded()) : win::DidacPop.ifLoaded();
}

// The two windows as rows of a data-driven test.
void deuxFenetres() { testkit::deuxLignes("regions", "DidacPop", "DidacPop2"); }

// The controls of the view shown are visible, those of the other view hidden.
void verifieVue(StatWindow* w, bool regions, bool carte)
{
    // The table view's controls, then the map view's.
    const QWidget* controles[] = {w->ListDept, w->Impression, w->TabCarte[1], w->Text1, w->Text4, w->Text7,
                                  w->TabCarte[0], w->Choix, w->CarteImg, w->Legende, w->TC[0], w->TC[9], w->Label2};
    QList<bool> visibles;
    for (const QWidget* controle : controles)
        visibles << controle->isVisible();
    QCOMPARE(visibles, QList<bool>(6, !carte) + QList<bool>(7, carte));
    QCOMPARE(w->Label1->isVisible(), carte || !regions);  // under the list in DidacPop's table view
    QCOMPARE(testkit::layoutFaults(w), QString());
}

// Moves the mouse to a map pixel as the map's mouse-move event reports it (twips).
void survole(StatWindow* w, int x, int y) { w->CarteImg_MouseMove(0, 0, float(x * 15), float(y * 15)); }

// A table printed in `pdf` on a sheet of the paper whose printer cannot reach the
// border `horsDePortee` (portrait, mm): `rangs` rows on each page, in the list's order,
// under the heading and above the dated footer, on 44 lines a page within the frame.
void verifieTableau(const QString& pdf, StatWindow* w, bool regions, QPageSize::PageSizeId papier,
                    const QMarginsF& horsDePortee, const QList<int>& rangs)
{
    const QList<PagePdf> pages = testkit::pagesPdf(pdf);
    QCOMPARE(pages.size(), rangs.size());
    // The landscape page lies on the sheet turned a quarter anticlockwise; 5 mm at least all round.
    const QMarginsF m = horsDePortee;
    const QSizeF feuille = QPageSize(papier).size(QPageSize::Point).transposed();
    const QRectF zone = QRectF(QPointF(), feuille).marginsRemoved(
        QMarginsF(qMax(m.bottom(), 5.), qMax(m.left(), 5.), qMax(m.top(), 5.), qMax(m.right(), 5.)) * (72 / 25.4));
    const QStringList noms = colonne(w->ListDept, regions ? 0 : 1);
    const QStringList prefectures = colonne(w->ListDept, regions ? 7 : 8);
    // The last column, "Préfecture", starts where its share of the printable width begins.
    const double debutPrefecture = zone.left() + zone.width() * (1 - 1900.0 / (regions ? 11200 : 11341));
    int rang = 0;
    double pas = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const QList<LignePdf>& lignes = pages[p].lignes;
        QCOMPARE(pages[p].taille.toSize(), feuille.toSize());
        QCOMPARE(lignes.size(), rangs[p] + 2);
        QVERIFY(lignes.front().texte.startsWith(regions ? u"Nom"_s : u"N°"_s));
        for (int i = 1; i <= rangs[p]; ++i, ++rang) {
            QVERIFY2(lignes[i].texte.contains(noms[rang]), qPrintable(lignes[i].texte));
            QVERIFY(qAbs(lignes[i].debuts.value(prefectures[rang], -1) - debutPrefecture) < 1);
        }
        QCOMPARE(lignes.last().texte, u"Imprimé le  5/ 12/ 2026 à  17 h 4 - Geomira"_s);
        for (const LignePdf& ligne : lignes)
            QCOMPARE(ligne.taille, &ligne == &lignes.last() ? 10.0 : 11.0);
        // A blank line before the footer: 11 points at a page break, 10 at the end.
        pas = (lignes[rangs[p]].haut - lignes[1].haut) / (rangs[p] - 1);
        const double blanc = p + 1 < pages.size() ? 11 : 10;
        QVERIFY(qAbs(lignes.last().haut - lignes[rangs[p]].haut - pas * (1 + blanc / 11)) < 0.5);
        // Every line within the frame, drawn closer than the font's own pitch only when the page is short.
        for (const LignePdf& ligne : lignes)
            QVERIFY2(zone.adjusted(-1, -1, 1, 1).contains(QRectF(ligne.gauche, ligne.haut, ligne.droite - ligne.gauche,
                                                                 ligne.bas - ligne.haut)),
                     qPrintable(ligne.texte));
        QVERIFY(pas < 12.75);
    }
    QCOMPARE(rang, noms.size());
    // The first page opens on a blank line, the others on the heading.
    if (pages.size() > 1)
        QVERIFY(qAbs(pages[0].lignes[0].haut - pages[1].lignes[0].haut - pas) < 0.5);
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    std::unique_ptr<testkit::CupsServer> cups;  // made before any look for a printer, started by the first print through it

    // Prints the table on 5 December 2026 at 17:04, the confirmation answered Yes.
    void imprime(StatWindow* w)
    {
        sandbox->fake.clock.fixed = QDateTime(QDate(2026, 12, 5), QTime(17, 4));
        w->Impression->click();
        QCOMPARE(sandbox->fake.dialogs.shown().value(1), QString());  // the confirmation only
        QCOMPARE(sandbox->fake.dialogs.boxes.size(), 1);
        QCOMPARE(sandbox->fake.screen.mousePointer(), int(platform::vbDefault));
    }

private slots:
    void initTestCase()
    {
        Cle = QString::fromLatin1(kCleValue);
        cups = std::make_unique<testkit::CupsServer>();
    }
    void init()
    {
        testkit::pinRowLocale();
        sandbox = std::make_unique<testkit::Sandbox>();
    }
    void cleanup() { sandbox.reset(); }

    // ------------------------------------------------------------ tables

    void rowsAsBuilt_data()
    {
        QTest::addColumn<QString>("cells");  // the row's cells joined by "|": 8 in DidacPop2, 9 in DidacPop
        auto ligne = [](const char* nom, const char16_t* cells) { QTest::newRow(nom) << QString::fromUtf16(cells); };
        ligne("Ain", u"   1|Ain| 5 762 km²|   471 019 hab|       81,7|   515 270 hab|       89,4|Pos 9,39|Bourg en Bresse");
        ligne("Paris, locale C", u" 75|Paris|    105 km²|2 152 423 hab|20499.3|2 125 246 hab|20240.4|Neg 1.26|Paris");
        ligne("Lozère", u" 48|Lozère| 5 167 km²|     72 825 hab|       14,1|     73 509 hab|       14,2|Pos 0,94|Mende");
        ligne("Hauts de Seine", u" 92|Hauts de Seine|    176 km²|1 391 658 hab|   7907,1|1 428 881 hab|   8118,6|Pos 2,67|Nanterre");
        ligne("Corse du Sud", u" 2A|Corse du Sud| 4 014 km²|   118 808 hab|       29,6|   118 593 hab|       29,5|Neg 0,18|Ajaccio");
        ligne("Alsace", u"Alsace|   8 280 km²|  1 624 372 hab|     196,2|  1 734 145 hab|     209,4|Pos 6,76|Strasbourg");
        ligne("Corse", u"Corse|   8 680 km²|     250 371 hab|       28,8|     260 196 hab|       30|Pos 3,92|Ajaccio");
        ligne("Haute Normandie", u"Haute Normandie|12 318 km²|  1 737 247 hab|     141|  1 780 192 hab|     144,5|Pos 2,47|Rouen");
    }
    void rowsAsBuilt()
    {
        QFETCH(QString, cells);
        const QStringList attendu = cells.split(u'|');
        const bool regions = attendu.size() == 8;
        StatWindow* w = ouvre(regions);
        const int rang = colonne(w->ListDept, regions ? 0 : 1).indexOf(attendu.at(regions ? 0 : 1));
        QStringList ligne;
        for (int j = 0; j < w->ListDept->columnCount(); ++j)
            ligne << colonne(w->ListDept, j).value(rang);
        QCOMPARE(ligne, attendu);
    }

    // The cells' texts, and the printed columns' widths.
    void numbersEqualPopulationsAndColumnShares()
    {
        QCOMPARE(TexteNumero(20), u" 2B"_s);
        QCOMPARE(TexteEvolution(u"  100 000 hab"_s, u"  100 000 hab"_s), u"Pos 0"_s);  // equal populations are no fall
        QCOMPARE(PartsColonnes({1, 3}, 8), (std::vector<int>{2, 6}));
        QCOMPARE(PartsColonnes({1, 1}, 5), (std::vector<int>{2, 2}));  // 2,5 goes to the even neighbour
    }

    // The opening state.
    void opening_data() { deuxFenetres(); }
    void opening()
    {
        QFETCH(bool, regions);
        StatWindow* w = ouvre(regions);
        QVERIFY(w->closeBoxRemoved());
        QCOMPARE(w->ListDept->topLevelItemCount(), regions ? 22 : 96);
        QStringList entetes;
        for (int j = 0; j < w->ListDept->columnCount(); ++j)
            entetes << w->ListDept->headerItem()->text(j);
        const QStringList figures{u"Nom"_s, u"Superficie"_s, u"Population 1990"_s, u"Nb hab/km²"_s,
                                  u"Population 1999"_s, u"Nb hab/km²"_s, u"Evolution %"_s, u"Préfecture"_s};
        QCOMPARE(entetes, regions ? figures : QStringList{u"N°"_s} + figures);
        const QStringList first = colonne(w->ListDept, 0);
        if (regions) {
            QCOMPARE(first.indexOf(u"Basse Normandie"_s), 3);
            QCOMPARE(first.indexOf(u"Haute Normandie"_s), 10);
        } else {
            QCOMPARE(first.mid(0, 10).join(u'|'), u"   1|   2|   3|   4|   5|   6|   7|   8|   9| 10"_s);
            QCOMPARE(first.mid(first.indexOf(u" 29"_s), 4).join(u'|'), u" 29| 2A| 2B| 30"_s);
        }
        // The totals row, fixed in both windows.
        QCOMPARE((QStringList{w->Text1->text(), w->Text2->text(), w->Text3->text(), w->Text4->text(),
                              w->Text5->text(), w->Text6->text(), w->Text7->text()}),
                 (QStringList{u"FRANCE Métropolitaine"_s, u"543 965 km² "_s, u"56 615 155 hab"_s, u"     104,08"_s,
                              u"58 518 395 hab"_s, u"     107,58"_s, u"Pos 3,36"_s}));
        // Table view, "Superficie" chosen, no label text.
        verifieVue(w, regions, false);
        QVERIFY(w->TabCarte[0]->isChecked() && w->C[0]->isChecked());
        QVERIFY(w->Label1->text().isEmpty());
        QVERIFY(w->SortKey() == 0 && w->SortOrder() == 0);
        testkit::screenshot(w, regions ? u"DidacPop2_tableau"_s : u"DidacPop_tableau"_s);

        // Help and the return to the hub: see the navigation tests.
        w->TabCarte[1]->click();
        testkit::screenshot(w, regions ? u"DidacPop2_carte"_s : u"DidacPop_carte"_s);
    }

    // ------------------------------------------------------------ sorting

    // Header clicks sort by the column last clicked; each click flips the one order, whatever the column.
    void columnClicksSort_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<QList<int>>("clics");   // header sections, in turn
        QTest::addColumn<int>("ordre");          // the order left: 0 ascending, 1 descending
        QTest::addColumn<QStringList>("suite");  // cells of that column met in this order; none: the figures' order
        for (int c : {2, 3, 4, 5, 6})
            QTest::addRow("DidacPop column %d", c) << false << QList<int>{c} << 1 << QStringList();
        for (int c : {1, 2, 3, 4, 5})
            QTest::addRow("DidacPop2 column %d", c) << true << QList<int>{c} << 1 << QStringList();
        QTest::newRow("area, smallest first") << false << QList<int>{2, 2} << 0 << QStringList();
        QTest::newRow("population after area") << false << QList<int>{2, 3} << 0 << QStringList();
        QTest::newRow("numbers") << false << QList<int>{0} << 1
                                 << QStringList{u" 95"_s, u" 2B"_s, u" 2A"_s, u" 10"_s, u"   9"_s};
        QTest::newRow("names") << false << QList<int>{1, 1} << 0
                               << QStringList{u"Ardèche"_s, u"Ardennes"_s, u"Corse du Sud"_s, u"Côte d'Or"_s,
                                              u"Côtes d'Armor"_s, u"Creuse"_s};
        QTest::newRow("préfectures") << false << QList<int>{8, 8} << 0
                                     << QStringList{u"Chartres"_s, u"Châteauroux"_s, u"Chaumont"_s};
        // Falls first, then rises in text order: "Pos 11,..." before "Pos 2,...".
        QTest::newRow("evolutions") << false << QList<int>{7, 7} << 0
                                    << QStringList{u"Neg 0,18"_s, u"Neg 1,26"_s, u"Pos 0,94"_s, u"Pos 11,16"_s,
                                                   u"Pos 2,67"_s};
        QTest::newRow("DidacPop2 préfectures") << true << QList<int>{7} << 1 << QStringList{u"Rouen"_s, u"Ajaccio"_s};
    }
    void columnClicksSort()
    {
        QFETCH(bool, regions); QFETCH(QList<int>, clics); QFETCH(int, ordre); QFETCH(QStringList, suite);
        StatWindow* w = ouvre(regions);
        QHeaderView* header = w->ListDept->header();
        for (int logical : clics)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(logical) + 5, header->height() / 2));
        QCOMPARE(w->SortKey(), clics.last());
        QCOMPARE(w->SortOrder(), ordre);
        QStringList cells = colonne(w->ListDept, clics.last());
        QStringList attendu = suite;
        if (suite.isEmpty()) {
            // The figures' padding makes their text order the order of their values.
            auto valeur = [](QString s) {
                return s.remove(u" km²"_s).remove(u" hab"_s).remove(u' ').replace(u',', u'.').toDouble();
            };
            attendu = cells;
            std::stable_sort(attendu.begin(), attendu.end(), [&](const QString& a, const QString& b) {
                return ordre ? valeur(a) > valeur(b) : valeur(a) < valeur(b);
            });
        } else {
            cells.removeIf([&](const QString& cell) { return !suite.contains(cell); });
        }
        QCOMPARE(cells, attendu);
    }

    // ------------------------------------------------------------ thematic maps

    // Every legend line as the map shows it, blanks included.
    void legendsAndPalettes_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("legende");
        auto lignes = [](const char16_t* texte) { return QString::fromUtf16(texte).split(u'|'); };
        const QStringList population = lignes(
            u"                  0 à      200 000 hab|       200 000 à     400 000 hab|       400 000 à     600 000 hab|"
            u"       600 000 à     800 000 hab|       800 000 à 1 000 000 hab|    1 000 000 à 1 200 000 hab|"
            u"    1 200 000 à 1 400 000 hab|    1 400 000 à 1 600 000 hab|    1 600 000 à 1 800 000 hab|> 1 800 000 hab");
        const QStringList populationRegions = lignes(
            u"                    0 à 1 000 000 hab|     1 000 000 à 2 000 000 hab|     2 000 000 à 3 000 000 hab|"
            u"     3 000 000 à 4 000 000 hab|     4 000 000 à 5 000 000 hab|     5 000 000 à 6 000 000 hab|"
            u"     6 000 000 à 7 000 000 hab|     7 000 000 à 8 000 000 hab|     8 000 000 à 9 000 000 hab|> 9 000 000 hab");
        const QStringList densiteRegions = lignes(
            u"        0 à  30 hab/km²|      30 à   50 hab/km²|      50 à   70 hab/km²|      70 à   90 hab/km²|"
            u"      90 à 110 hab/km²|    110 à 130 hab/km²|    130 à 150 hab/km²|    150 à 200 hab/km²|"
            u"    300 à 800 hab/km²|> 800 hab/km²");
        const QStringList evolution = lignes(
            u" -5 à - 3 %| -3 à -1 %| -1 à  0 %|  0 à +1 %| +1 à +3 %| +3 à +5 %| +5 à +7 %| +7 à +9 %| +9 à +11 %|+11 % et plus");
        const QList<QStringList> departements{
            lignes(u"        0 à 1 000 km²|1 000 à  2 000 km²|2 000 à  3 000 km²|3 000 à  4 000 km²|4 000 à  5 000 km²|"
                   u"5 000 à  6 000 km²|6 000 à  7 000 km²|7 000 à  8 000 km²|8 000 à  9 000 km²|9 000 à 10 000 km²"),
            population,
            lignes(u"           0 à 50 hab/km²|           50 à 100 hab/km²|          100 à 200 hab/km²|"
                   u"          200 à 300 hab/km²|          300 à 400 hab/km²|          400 à 600 hab/km²|"
                   u"          600 à 1 000 hab/km²|       4 000 à 7 000 hab/km²|       7 000 à 10 000 hab/km²|> 20 000 hab/km²"),
            population,
            lignes(u"              0 à 50 hab/km²|            50 à 100 hab/km²|           100 à 200 hab/km²|"
                   u"           200 à 300 hab/km²|           300 à 400 hab/km²|           400 à 600 hab/km²|"
                   u"           600 à 1 000 hab/km²|       4 000 à 7 000 hab/km²|       7 000 à 10 000 hab/km²|> 20 000 hab/km²"),
            evolution};
        const QList<QStringList> regions{
            lignes(u"         0 à    5 000 km²|  5 000 à  10 000 km²|10 000 à 15 000 km²|15 000 à 20 000 km²|"
                   u"20 000 à 25 000 km²|25 000 à 30 000 km²|30 000 à 35 000 km²|35 000 à 40 000 km²|"
                   u"40 000 à 45 000 km²|45 000 à 50 000 km²"),
            populationRegions, densiteRegions, populationRegions, densiteRegions, evolution};
        for (int k = 0; k < 6; ++k) {
            QTest::addRow("DidacPop %d", k) << false << k << departements[k];
            QTest::addRow("DidacPop2 %d", k) << true << k << regions[k];
        }
    }
    void legendsAndPalettes()
    {
        QFETCH(bool, regions); QFETCH(int, k); QFETCH(QStringList, legende);
        const QString picture = (regions ? u"D2"_s : u"D1"_s) + QChar(u'a' + k) + u".gif"_s;
        // Without their pictures, the régions' maps still show their legends.
        if (regions)
            sandbox->fake.pictures.missing << u"D2a.gif"_s << picture;
        StatWindow* w = ouvre(regions);
        w->TabCarte[1]->click();
        sandbox->fake.pictures.loaded.clear();
        w->C[size_t(k)]->click();
        if (k == 0)
            w->C_Click(0);  // already selected: the handler runs as the program would raise it
        const QString caption = w->Legende->text();
        QCOMPARE(caption.split(u"\r\n"_s), legende);
        // Each line opens with the bound its class starts at on the map, the first evolution class taking every loss.
        for (int c = k == 5 ? 1 : 0; c < 10; ++c)
            QCOMPARE(legende[c].section(u" à "_s, 0, 0).remove(QRegularExpression(u"[^-\\d]"_s)).toDouble(),
                     stats::kBornesClasses[k][regions ? 1 : 0][c]);
        QCOMPARE(sandbox->fake.pictures.loaded.value(0), platform::appFile(picture));
        const bool densite = k == 2 || k == 4 || k == 5;
        QCOMPARE(w->TC[2]->palette().color(QPalette::Base), densite ? QColor(80, 120, 40) : QColor(0, 0, 250));
        QCOMPARE(w->TC[9]->palette().color(QPalette::Base), densite ? QColor(0, 0, 250) : QColor(80, 120, 40));
        QCOMPARE(w->TC[8]->palette().color(QPalette::Base), QColor(190, 0, 25));
        // A second run replaces the legend, never appends.
        w->C_Click(k);
        QCOMPARE(w->Legende->text(), caption);
    }

    void mapViewAlwaysOpensOnTheArea_data() { deuxFenetres(); }
    void mapViewAlwaysOpensOnTheArea()
    {
        QFETCH(bool, regions);
        ecritPixels(u"F150.dat"_s, {{150, 200, 1}});
        StatWindow* w = ouvre(regions);
        // In the table view a run of the handler shows no legend and changes nothing.
        const QColor avant = w->TC[0]->palette().color(QPalette::Base);
        w->C[3]->setChecked(true);
        QVERIFY(w->Legende->text().isEmpty());
        QVERIFY(sandbox->fake.pictures.loaded.isEmpty());
        QCOMPARE(w->TC[0]->palette().color(QPalette::Base), avant);
        auto carteSuperficie = [&] {
            w->TabCarte[1]->click();
            verifieVue(w, regions, true);
            QVERIFY(w->C[0]->isChecked());
            QCOMPARE(w->CarteImg->geometry(), platform::rectTw(120, 120, 7095, 7455));
            QCOMPARE(w->TabCarte[0]->x(), platform::tw(7500));
            QCOMPARE(w->Legende->text(), Legende(Superficie, regions ? Echelle::Regions : Echelle::Departements));
            QCOMPARE(w->TC[2]->palette().color(QPalette::Base), QColor(0, 0, 250));
            QCOMPARE(sandbox->fake.pictures.loaded.last(), platform::appFile(regions ? u"D2a.gif"_s : u"D1a.gif"_s));
        };
        carteSuperficie();
        w->C[5]->click();
        survole(w, 150, 200);
        const QString nom = w->Label1->text();
        const QString figure = w->Label2->text();
        QVERIFY(!figure.isEmpty());
        // A change of statistic shows at the next move only.
        w->C[4]->click();
        QCOMPARE(w->Label2->text(), figure);
        w->TabCarte[0]->click();
        verifieVue(w, regions, false);
        carteSuperficie();
        // DidacPop shows the same texts again until the next move; DidacPop2 empties them.
        QCOMPARE(w->Label1->text(), regions ? QString() : nom);
        QCOMPARE(w->Label2->text(), regions ? QString() : figure);
    }

    // ------------------------------------------------------------ figures under the mouse

    void figuresUnderTheMouse_data()
    {
        QTest::addColumn<bool>("regions");
        colonnes<int>({"dep", "k"});
        colonnes<QString>({"nom", "figure"});
        QTest::newRow("Ain area") << false << 1 << 0 << u"Ain"_s << u" 5 762 km²"_s;
        QTest::newRow("Ain 1990") << false << 1 << 1 << u"Ain"_s << u"  471 019 hab en 1990"_s;
        QTest::newRow("Ain density 1990") << false << 1 << 2 << u"Ain"_s << u"81,7 hab/km² en 1990"_s;
        QTest::newRow("Ain 1999") << false << 1 << 3 << u"Ain"_s << u"  515 270 hab en 1999"_s;
        QTest::newRow("Ain density 1999") << false << 1 << 4 << u"Ain"_s << u"89,4 hab/km² en 1999"_s;
        QTest::newRow("Ain evolution") << false << 1 << 5 << u"Ain"_s << u"9,4 %"_s;
        QTest::newRow("Paris density") << false << 75 << 2 << u"Paris"_s
                                       << u"20"_s + QChar(0x202F) + u"499,3 hab/km² en 1990"_s;
        QTest::newRow("Paris density, locale en_US") << false << 75 << 2 << u"Paris"_s << u"20,499.3 hab/km² en 1990"_s;
        QTest::newRow("Paris evolution") << false << 75 << 5 << u"Paris"_s << u"-1,3 %"_s;
        QTest::newRow("Aisne evolution") << false << 2 << 5 << u"Aisne"_s << u"-,3 %"_s;
        QTest::newRow("Ariège evolution") << false << 9 << 5 << u"Ariège"_s << u",6 %"_s;
        QTest::newRow("Isère halfway") << false << 38 << 5 << u"Isère"_s << u"7,7 %"_s;
        QTest::newRow("Rhône-Alpes area") << true << 1 << 0 << u"Rhône-Alpes"_s << u"43 698 km²"_s;
        QTest::newRow("Rhône-Alpes evolution") << true << 1 << 5 << u"Rhône-Alpes"_s << u"5,5 %"_s;
        QTest::newRow("Bourgogne 1990") << true << 21 << 2 << u"Bourgogne"_s << u"51,0 hab/km² en 1990"_s;
        QTest::newRow("Bourgogne 1999") << true << 21 << 4 << u"Bourgogne"_s << u"51,0 hab/km² en 1999"_s;
        QTest::newRow("Bourgogne evolution") << true << 21 << 5 << u"Bourgogne"_s << u",0 %"_s;
    }
    void figuresUnderTheMouse()
    {
        QFETCH(bool, regions); QFETCH(int, dep); QFETCH(int, k); QFETCH(QString, nom); QFETCH(QString, figure);
        ecritPixels(u"F150.dat"_s, {{150, 199, 5}, {150, 200, dep}, {150, 201, 6}});
        StatWindow* w = ouvre(regions);
        w->TabCarte[1]->click();
        w->C[size_t(k)]->click();
        survole(w, 150, 200);
        QCOMPARE(w->Label1->text(), nom);
        QCOMPARE(w->Label2->text(), figure);
    }

    // Every name the label under the map can show, ink and all, within the label: its calligraphic
    // italic leans past the letters' advance, so the drawn glyphs are measured, not the text's width.
    void everyNameFitsTheLabel_data() { deuxFenetres(); }
    void everyNameFitsTheLabel()
    {
        QFETCH(bool, regions);
        QByteArray colonne;  // département d at row d
        for (int d = 1; d <= 96; ++d)
            colonne += EcritPointCarte(150, d, d);
        ecritPixels(u"F150.dat"_s, {}, colonne);
        StatWindow* w = ouvre(regions);
        w->TabCarte[1]->click();
        const QFontMetrics metriques(w->Label1->font());
        QCOMPARE(QFontInfo(w->Label1->font()).italic(), true);
        QStringList noms;
        for (int d = 0; d <= 96; ++d) {  // row 0: no département there
            survole(w, 150, d);
            const QString nom = w->Label1->text();
            const QRect zone = w->Label1->contentsRect();
            const QRect encre = metriques.boundingRect(zone, int(w->Label1->alignment()), nom);
            const QRect dessin = metriques.tightBoundingRect(nom).translated(encre.left(), encre.top() + metriques.ascent());
            if (!zone.contains(dessin))
                noms << nom + u" %1 in %2"_s.arg(dessin.width()).arg(zone.width());
        }
        QVERIFY2(noms.isEmpty(), qPrintable(noms.join(u", "_s)));
        testkit::screenshot(w, regions ? u"DidacPop2_nom"_s : u"DidacPop_nom"_s);
    }

    void outsideDamagedAndMissing_data() { deuxFenetres(); }
    void outsideDamagedAndMissing()
    {
        QFETCH(bool, regions);
        // Out of range, a département field that is no number, and a record spoilt in its département field.
        QByteArray abime = EcritPointCarte(150, 404, 33);
        abime[12] = char(abime[12] ^ 'x');
        ecritPixels(u"F150.dat"_s,
                    {{150, 200, 1}, {150, 300, 75}, {150, 300, 2}, {150, 400, 0}, {150, 401, 97}, {150, 402, 999}},
                    Crypte(Cle, QByteArray("  150")) + Crypte(Cle, QByteArray("  403")) + Crypte(Cle, QByteArray("x1 ")) + abime);
        ecritPixels(u"F151.dat"_s, {}, QByteArray("12345"));  // shorter than a record
        StatWindow* w = ouvre(regions);
        w->TabCarte[1]->click();
        for (int y = 400; y <= 404; ++y) {
            survole(w, 150, y);
            QCOMPARE(w->Label1->text(), u"Hors Limites"_s);
        }
        const QString ain = regions ? u"Rhône-Alpes"_s : u"Ain"_s;
        survole(w, 150, 200);
        QCOMPARE(w->Label1->text(), ain);
        survole(w, 152, 200);  // no column file: the texts stay
        QCOMPARE(w->Label1->text(), ain);
        QCOMPARE(w->Label2->text(), regions ? u"43 698 km²"_s : u" 5 762 km²"_s);
        survole(w, -4, 200);
        QCOMPARE(w->Label1->text(), ain);
        survole(w, 150, 250);  // same column, no département there
        QCOMPARE(w->Label1->text(), u"Hors Limites"_s);
        QCOMPARE(w->Label2->text(), QString());
        survole(w, 150, 300);  // two records: the later one wins
        QCOMPARE(w->Label1->text(), regions ? u"Picardie"_s : u"Aisne"_s);
        survole(w, 151, 0);
        QCOMPARE(w->Label1->text(), u"Hors Limites"_s);
        // No option chosen: the name alone.
        for (QRadioButton* option : w->C)
            option->setAutoExclusive(false), option->setChecked(false);
        survole(w, 150, 200);
        QCOMPARE(w->Label1->text(), ain);
        QCOMPARE(w->Label2->text(), QString());
    }

    void realMapUnderTheMouse()
    {
        const QString pixels = qEnvironmentVariable("GEOMIRA_APP_DIR") + u"/../generated/pixels"_s;
        if (!QFile::exists(pixels + u"/D75.dat"_s))
            QSKIP("no generated pixel files");
        platform::setAppPath(QDir(pixels).absolutePath());
        const std::vector<PointCarte> paris = LitPointsCarte(FichierPixels('D', 75), false);
        QVERIFY(!paris.empty());
        StatWindow* w = ouvre(false);
        w->TabCarte[1]->click();
        w->C[2]->click();
        QTest::mouseMove(w->CarteImg, QPoint(paris.front().x, paris.front().y));
        QCOMPARE(w->Label1->text(), u"Paris"_s);
        QVERIFY(w->Label2->text().endsWith(u"499,3 hab/km² en 1990"_s));
        testkit::screenshot(w, u"DidacPop_carte_paris"_s);
    }

    // ------------------------------------------------------------ printing

    void refusedOrFailedPrint()
    {
        // Answering No prints nothing and leaves the pointer at the default.
        sandbox->fake.dialogs.answers = {platform::vbNo};
        ouvre(true)->Impression->click();
        QVERIFY(sandbox->fake.printer.printed.isEmpty());
        QCOMPARE(sandbox->fake.screen.mousePointer(), int(platform::vbDefault));
        // No printer: reported, and the pointer does not stay on the hourglass.
        sandbox->fake.printer.available = false;
        sandbox->fake.screen.pointerHistory.clear();
        ouvre(false)->Impression->click();
        QCOMPARE(sandbox->fake.screen.pointerHistory, (QList<int>{platform::vbHourglass, platform::vbDefault}));
        const QList<testkit::ShownBox>& boxes = sandbox->fake.dialogs.boxes;
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].prompt, u"Confirmez vous l'impression du tableau des régions\r\nNécessite 1 page."_s);
        QCOMPARE(boxes[1].prompt, u"Confirmez vous l'impression du tableau des départements\r\nNécessite 3 pages."_s);
        QCOMPARE((QList<int>{boxes[0].style, boxes[1].style, boxes[2].style}), (QList<int>{36, 36, 48}));
        QCOMPARE(boxes[0].title, u"Geomira."_s);
        QVERIFY(boxes[2].prompt.contains(u"Aucune imprimante"_s));
    }

    // The tables keep their pages on any paper, whatever border the printer cannot reach.
    void printedTables_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("tri");  // the column clicked before printing, 0 for none
        QTest::addColumn<QPageSize::PageSizeId>("papier");
        QTest::addColumn<QMarginsF>("horsDePortee");  // the printer's border in portrait, mm
        QTest::addColumn<QList<int>>("rangs");  // rows on each page
        const QList<int> departements{39, 40, 17};
        const QMarginsF pilote(6.35, 12.7, 6.35, 12.7);  // a common generic driver
        QTest::newRow("DidacPop, no border") << false << 0 << QPageSize::A4 << QMarginsF() << departements;
        QTest::newRow("DidacPop, 6.35 mm") << false << 0 << QPageSize::A4 << QMarginsF(6.35, 6.35, 6.35, 6.35) << departements;
        QTest::newRow("DidacPop, 12.7 mm") << false << 0 << QPageSize::A4 << QMarginsF(12.7, 12.7, 12.7, 12.7) << departements;
        QTest::newRow("DidacPop, generic driver") << false << 0 << QPageSize::A4 << pilote << departements;
        QTest::newRow("DidacPop, Letter") << false << 0 << QPageSize::Letter << pilote << departements;
        QTest::newRow("DidacPop2 sorted by area") << true << 2 << QPageSize::A4 << pilote << QList<int>{22};
    }
    void printedTables()
    {
        QFETCH(bool, regions); QFETCH(int, tri); QFETCH(QPageSize::PageSizeId, papier); QFETCH(QMarginsF, horsDePortee);
        QFETCH(QList<int>, rangs);
        const QString pdf = sandbox->fake.printer.pdfPath = sandbox->folder.filePath(u"tableau.pdf"_s);
        sandbox->fake.printer.sheet = QPageLayout(QPageSize(papier), QPageLayout::Portrait, horsDePortee, QPageLayout::Millimeter);
        StatWindow* w = ouvre(regions);
        if (tri)
            w->ListDept_ColumnClick(tri);
        imprime(w);
        if (const QString shots = qEnvironmentVariable("GEOMIRA_SCREENSHOTS"); !shots.isEmpty())
            QFile::copy(pdf, QDir(shots).filePath(QTest::currentDataTag() + u".pdf"_s));
        verifieTableau(pdf, w, regions, papier, horsDePortee, rangs);
    }

    // Through the printer of a print server: the queue's paper and printable area.
    void printedOnTheQueuesPaper_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("file");  // in testkit::testQueues()
        for (int file = 0; file < testkit::testQueues().size(); ++file)
            for (bool regions : {false, true})
                QTest::addRow("%s, %s", regions ? "DidacPop2" : "DidacPop", qPrintable(testkit::testQueues()[file].name))
                    << regions << file;
    }
    void printedOnTheQueuesPaper()
    {
        QFETCH(bool, regions); QFETCH(int, file);
        const testkit::TestQueue queue = testkit::testQueues()[file];
        StatWindow* w = ouvre(regions);
        const QString pdf = cups->printThrough(queue, [&] { imprime(w); });
        QVERIFY2(!pdf.isEmpty(), qPrintable(cups->fault()));
        verifieTableau(pdf, w, regions, queue.paper, queue.outOfReach, regions ? QList<int>{22} : QList<int>{39, 40, 17});
    }
    void cleanupTestCase() { cups.reset(); }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
