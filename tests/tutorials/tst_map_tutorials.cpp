// The map tutorials (départements, régions), their map panel and the coats of arms.
#include "../quiz/QuizFixture.h"
#include "testkit/Layout.h"
#include "testkit/Sandbox.h"

#include "app/Sommaire.h"
#include "quiz/MapBox.h"
#include "quiz/Tables.h"
#include "tutorials/Blasons.h"
#include "tutorials/DidacDept.h"
#include "tutorials/DidacReg.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QColor kRouge(255, 0, 0);
const QColor kBleu(0, 0, 255);

bool peint(MapBox* carte, int x, int y) { return carte->hasSetPixel(x, y) && carte->colorAt(x, y) == QColor(0, 235, 0); }

// The user's pick of an item in a list.
void choisit(ListeDeroulante* liste, const QString& texte)
{
    const int index = liste->findText(texte);
    QVERIFY2(index >= 0, qPrintable(texte));
    liste->setCurrentIndex(index);
}

// Texts of the lists 0 to 4 of each tutorial, by list.
const std::array<QString, 98>* const kListesDep[5] = {nullptr, &NomDep, &PrefDep, &SuperfDep, &Pop99Dep};
const std::array<QString, 24>* const kListesReg[5] = {nullptr, &NomRegion, &PrefRegion, &SuperfRegion, &Pop99Region};
template <class F> QString texteDeListe(int k, int n)
{
    if constexpr (std::is_same_v<F, DidacReg>)
        return k == 0 ? TexteNumero(n) : (*kListesReg[k])[n];
    return k == 0 ? TexteNumeroDep(n) : (*kListesDep[k])[n];
}

QStringList items(QComboBox* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes;
}

// Where the build left the generated pixel files, empty when it did not.
QString dossierPixels()
{
    const QString dossier = QDir(qEnvironmentVariable("GEOMIRA_APP_DIR")).filePath(u"../generated/pixels"_s);
    return QFileInfo::exists(QDir(dossier).filePath(u"D1.dat"_s)) ? QDir(dossier).absolutePath() : QString();
}

} // namespace

class TestMapTutorials : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;

    static DidacDept* ouvreDept() { return win::DidacDept.Show(), win::DidacDept.ifLoaded(); }
    static DidacReg* ouvreReg() { return win::DidacReg.Show(), win::DidacReg.ifLoaded(); }
    // Runs a check on the tutorial of the row: départements, or régions.
    template <class Check> void dansLeTutoriel(bool regions, Check check)
    {
        if (regions)
            check(ouvreReg());
        else
            check(ouvreDept());
    }
    QStringList images() const
    {
        QStringList noms;
        for (const QString& chemin : fake->pictures.loaded)
            noms << QFileInfo(chemin).fileName();
        return noms;
    }
    QString derniereImage() const { return images().value(images().size() - 1); }
    // A région newly shown: its picture, its départements, none chosen, its capital blinking anew.
    void regionMontree(DidacReg* r, int n)
    {
        QCOMPARE(derniereImage(), ImageRegion(n));
        QVERIFY(r->ComboD[5]->count() > 0);
        for (int i = 0; i < r->ComboD[5]->count(); ++i)
            QCOMPARE(NumRegionDep[IndexNumero(r->ComboD[5]->itemText(i).section(u':', 0, 0).trimmed().prepend(u' '))], int16_t(n));
        QCOMPARE(r->ComboD[5]->listIndex(), -1);
        QVERIFY(r->Timer2->isActive());
        QCOMPARE(CompteTics2, int16_t(0));
    }

private slots:
    void init()
    {
        testkit::pinRowLocale();
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        Cle = QString::fromLatin1(kCleValue);
    }
    void cleanup() { sandbox.reset(); }

    // ------------------------------------------------------------ the lists

    void sortOrderOfTheLists_data()
    {
        QTest::addColumn<QString>("premier");
        QTest::addColumn<QString>("second");
        QTest::newRow("blank before digit") << u"  9"_s << u" 10"_s;
        QTest::newRow("digit before letter") << u" 29"_s << u" 2A"_s;
        QTest::newRow("2B before 30") << u" 2B"_s << u" 30"_s;
        QTest::newRow("case ignored") << u"ain"_s << u"Aisne"_s;
        QTest::newRow("accent ignored") << u"Ardèche"_s << u"Ardennes"_s;
        QTest::newRow("blank before letter") << u"Bourg en Bresse"_s << u"Bourges"_s;
        QTest::newRow("smaller area first") << u" 5 762 km²"_s << u"10 000 km²"_s;
        QTest::newRow("hyphen weighs nothing") << u"Saintes"_s << u"Saint-Lô"_s;
    }
    void sortOrderOfTheLists()
    {
        QFETCH(QString, premier);
        QFETCH(QString, second);
        QVERIFY(ListeDeroulante::avant(premier, second));
        QVERIFY(!ListeDeroulante::avant(second, premier));
    }

    void listsReportOnlyRealChanges()
    {
        ListeDeroulante liste(true);
        int choix = 0;
        connect(&liste, &ListeDeroulante::choisi, &liste, [&] { ++choix; });
        for (const QString& t : {u" 12"_s, u"  3"_s, u" 2A"_s})
            liste.AddItem(t);
        QCOMPARE(items(&liste), (QStringList{u"  3"_s, u" 12"_s, u" 2A"_s}));
        QCOMPARE(liste.listIndex(), -1);  // filling chooses nothing
        liste.setText(u" 12"_s);
        QCOMPARE(choix, 1);
        liste.setText(u" 12"_s);  // already chosen
        liste.setText(u"12"_s);   // no such item
        QCOMPARE(liste.text(), u" 12"_s);
        liste.Clear();
        QCOMPARE(choix, 1);
        QCOMPARE(liste.text(), QString());
    }

    // ------------------------------------------------------------ both tutorials alike

    void tutorialsOpenOnTheFirstItem_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<QStringList>("listes");    // lists 0 to 4
        QTest::addColumn<QStringList>("chiffres");  // densities 1999 and 1990, population 1990, evolution
        QTest::addColumn<QStringList>("images");    // pictures loaded
        QTest::addColumn<QList<int>>("periodes");   // of the redraw, then of the blinking, in ms
        QTest::newRow("départements") << false
                                      << QStringList{u"  1"_s, u"Ain"_s, u"Bourg en Bresse"_s, u" 5 762 km²"_s, u"  515 270 hab"_s}
                                      << QStringList{u"89,4 en 1999"_s, u"81,7 en 1990"_s, u"  471 019 hab"_s, u" POSITIVE de 9,39 %"_s}
                                      << QStringList{u"GeomiraDepV.gif"_s} << QList<int>{100};
        QTest::newRow("régions") << true << QStringList{u"  1"_s, u"Alsace"_s, u"Strasbourg"_s, u" 8 280 km²"_s, u" 1 734 145 hab"_s}
                                 << QStringList{u"209,4 en 1999"_s, u"196,2 en 1990"_s, u" 1 624 372 hab"_s, u" POSITIVE de 6,76 %"_s}
                                 << QStringList{u"GeomiraRegV.gif"_s, u"Alsace.gif"_s} << QList<int>{100, 500};
    }
    void tutorialsOpenOnTheFirstItem()
    {
        QFETCH(bool, regions);
        QFETCH(QStringList, listes);
        QFETCH(QStringList, chiffres);
        QFETCH(QStringList, images);
        QFETCH(QList<int>, periodes);
        ecritPixels(regions ? u"R1.dat"_s : u"D1.dat"_s, {{30, 40, 1}, {31, 40, 1}});
        dansLeTutoriel(regions, [&](auto* f) {
            QVERIFY(f->isVisible() && f->closeBoxRemoved());
            QVERIFY(f->Carte[3]->isChecked());
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(f->ComboD[k]->text(), listes[k]);
                QCOMPARE(f->ComboD[k]->count(), regions ? 22 : 96);
            }
            QCOMPARE(f->Label2->text(), listes[1]);
            QCOMPARE((QStringList{f->nbh99->text(), f->nbh90->text(), f->pop90->text(), f->Evol->text()}), chiffres);
            QCOMPARE(f->Evol->palette().color(QPalette::Base), kBleu);
            QCOMPARE(EtatSon, int16_t(5));
            QVERIFY(peint(f->Picture1, 30, 40) && peint(f->Picture1, 31, 40));
            QCOMPARE(this->images(), images);
            QCOMPARE(f->Timer1->isActive() ? f->Timer1->interval() : 0, periodes[0]);
            QCOMPARE(testkit::layoutFaults(f), QString());
        });
        if (DidacReg* r = win::DidacReg.ifLoaded()) {
            QCOMPARE(r->Timer2->isActive() ? r->Timer2->interval() : 0, periodes[1]);
            QVERIFY(r->ComboD[0]->isHidden());
            QCOMPARE(items(r->ComboD[5]), (QStringList{u" 67 : Bas Rhin"_s, u" 68 : Haut Rhin"_s}));
            QCOMPARE(r->ComboD[5]->text(), u" 67 : Bas Rhin"_s);
            QVERIFY(!r->Image1->pixmap().isNull());
        } else {
            DidacDept* d = win::DidacDept.ifLoaded();
            QCOMPARE(d->Reg->text(), u"Rhône-Alpes"_s);
        }
    }

    void pickInAnyList_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("densite90");
        QTest::addColumn<QString>("densite99");
        QTest::addColumn<QString>("evolution");
        QTest::addColumn<QStringList>("departements");
        const QString rien;
        QTest::newRow("Creuse") << false << 23 << rien << rien << u" NEGATIVE de -5,24 %"_s << QStringList();
        QTest::newRow("Corse du Sud") << false << 96 << rien << rien << u" NEGATIVE de -0,18 %"_s << QStringList();
        QTest::newRow("Haute Corse") << false << 20 << rien << rien << rien << QStringList();
        QTest::newRow("Nièvre") << false << 58 << rien << u"33 en 1999"_s << rien << QStringList();
        QTest::newRow("Paris") << false << 75 << rien << u"20240,4 en 1999"_s << rien << QStringList();
        QTest::newRow("Paris, locale en_US") << false << 75 << rien << u"20240.4 en 1999"_s << rien << QStringList();
        QTest::newRow("Creuse, locale C") << false << 23 << rien << rien << u" NEGATIVE de -5.24 %"_s << QStringList();
        QTest::newRow("Aube") << false << 10 << rien << rien << rien << QStringList();
        QTest::newRow("Auvergne") << true << 3 << rien << rien << u" NEGATIVE de -0,93 %"_s << QStringList();
        QTest::newRow("Champagne-Ardenne") << true << 7 << rien << rien << u" NEGATIVE de -0,41 %"_s << QStringList();
        QTest::newRow("Limousin") << true << 12 << rien << rien << u" NEGATIVE de -1,65 %"_s << QStringList();
        QTest::newRow("Bourgogne") << true << 4 << u"51 en 1990"_s << u"51 en 1999"_s << rien << QStringList();
        QTest::newRow("Corse") << true << 8 << rien << u"30 en 1999"_s << rien
                               << QStringList{u"2B : Corse du Nord"_s, u"2A : Corse du Sud"_s};
        QTest::newRow("Rhône-Alpes") << true << 22 << rien << rien << rien
                                     << QStringList{u" 1 : Ain"_s, u" 7 : Ardèche"_s, u" 26 : Drôme"_s, u" 38 : Isère"_s,
                                                    u" 42 : Loire"_s, u" 69 : Rhône"_s, u" 73 : Savoie"_s, u" 74 : Haute Savoie"_s};
        QTest::newRow("Bretagne") << true << 5 << rien << rien << rien << QStringList();
    }
    // From the first item, a pick of item n in each list in turn: every list follows, the figures are
    // written, the map is titled and erased at once and painted at the next tick.
    void pickInAnyList()
    {
        QFETCH(bool, regions);
        QFETCH(int, n);
        QFETCH(QString, densite90);
        QFETCH(QString, densite99);
        QFETCH(QString, evolution);
        QFETCH(QStringList, departements);
        ecritPixels((regions ? u"R%1.dat"_s : u"D%1.dat"_s).arg(n), {{100, 120, n}});
        dansLeTutoriel(regions, [&](auto* f) {
            using F = std::remove_pointer_t<decltype(f)>;
            for (int liste = regions ? 1 : 0; liste < 5; ++liste) {
                // After the hand-off the next change is handled as usual.
                choisit(f->ComboD[1], regions ? u"Alsace"_s : u"Ain"_s);
                QCOMPARE(f->ComboD[0]->text(), u"  1"_s);
                QCOMPARE(f->ComboD[4]->text(), regions ? u" 1 734 145 hab"_s : u"  515 270 hab"_s);
                CompteTics2 = 7;
                if (DidacReg* r = win::DidacReg.ifLoaded())
                    platform::setTimerEnabled(r->Timer2, false);
                choisit(f->ComboD[liste], texteDeListe<F>(liste, n));
                for (int k = 0; k < 5; ++k)
                    QCOMPARE(f->ComboD[k]->text(), texteDeListe<F>(k, n));
                QCOMPARE(f->pop90->text(), regions ? Pop90Region[n] : Pop90Dep[n]);
                QVERIFY(densite90.isEmpty() || f->nbh90->text() == densite90);
                QVERIFY(densite99.isEmpty() || f->nbh99->text() == densite99);
                if (!evolution.isEmpty()) {
                    QCOMPARE(f->Evol->text(), evolution);
                    QCOMPARE(f->Evol->palette().color(QPalette::Base), kRouge);
                    QCOMPARE(f->Evol->palette().color(QPalette::Text), QColor(255, 255, 0));
                }
                QCOMPARE(EtatSon, int16_t(5));
                QCOMPARE(f->Label2->text(), texteDeListe<F>(1, n));
                QVERIFY(!f->Picture1->hasSetPixel(100, 120));
                f->Timer1_Timer();
                QVERIFY(peint(f->Picture1, 100, 120));
                if (!regions)
                    QCOMPARE(win::DidacDept->Reg->text(), RegionDep[n]);
                else if (!departements.isEmpty())
                    QCOMPARE(items(win::DidacReg->ComboD[5]), departements);
                if (regions)
                    regionMontree(win::DidacReg.ifLoaded(), n);
            }
        });
    }

    void stepping_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("arrivee");
        // From the first text to the second, "+" or "-"; at the ends nothing at all happens.
        const struct {
            bool regions;
            const char16_t *depart, *arrivee;
            bool plus;
        } lignes[] = {{false, u"  9", u" 10", true},  {false, u" 19", u" 21", true},  {false, u" 29", u" 2A", true},
                      {false, u" 2A", u" 2B", true},  {false, u" 2B", u" 30", true},  {false, u" 30", u" 2B", false},
                      {false, u" 2B", u" 2A", false}, {false, u" 2A", u" 29", false}, {false, u" 21", u" 19", false},
                      {false, u" 10", u"  9", false}, {false, u" 95", u" 95", true},  {false, u"  1", u"  1", false},
                      {false, u" 94", u" 95", true},
                      {true, u"  9", u" 10", true},   {true, u" 10", u"  9", false},  {true, u" 22", u" 21", false},
                      {true, u"  1", u"  2", true},   {true, u" 22", u" 22", true},   {true, u"  1", u"  1", false}};
        for (const auto& l : lignes)
            QTest::addRow("%s %s from%s", l.regions ? "reg" : "dep", l.plus ? "+" : "-", qPrintable(QString::fromUtf16(l.depart)))
                << l.regions << QString::fromUtf16(l.depart) << l.plus << QString::fromUtf16(l.arrivee);
    }
    // One "+" or "-" from the row's item; at the ends nothing at all happens.
    void stepping()
    {
        QFETCH(bool, regions);
        QFETCH(QString, depart);
        QFETCH(bool, plus);
        QFETCH(QString, arrivee);
        ecritPixels((regions ? u"R%1.dat"_s : u"D%1.dat"_s).arg(IndexNumero(depart)), {{100, 120, 1}});
        dansLeTutoriel(regions, [&](auto* f) {
            using F = std::remove_pointer_t<decltype(f)>;
            f->ComboD[0]->setText(depart);
            QCOMPARE(f->ComboD[1]->text(), texteDeListe<F>(1, IndexNumero(depart)));
            f->Timer1_Timer();
            fake->pictures.loaded.clear();
            CompteTics2 = 7;
            if (DidacReg* r = win::DidacReg.ifLoaded())
                platform::setTimerEnabled(r->Timer2, false);
            const QString figures = f->nbh99->text();
            (plus ? f->plus : f->moins)->click();
            const int n = IndexNumero(arrivee);
            QCOMPARE(f->ComboD[0]->text(), arrivee);
            QCOMPARE(f->ComboD[1]->text(), texteDeListe<F>(1, n));
            QCOMPARE(f->Label2->text(), texteDeListe<F>(1, n));
            QCOMPARE(EtatSon, int16_t(5));
            // A new item erases the map until the next tick; at the ends the map and the figures stay.
            QCOMPARE(f->Picture1->hasSetPixel(100, 120), arrivee == depart);
            if (arrivee == depart) {
                QCOMPARE(f->nbh99->text(), figures);
                QVERIFY(fake->pictures.loaded.isEmpty());
            } else if (DidacReg* r = win::DidacReg.ifLoaded()) {
                QCOMPARE(int(Tirage), n);
                regionMontree(r, n);
            }
        });
    }

    void mapClicks_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("vue");
        QTest::addColumn<int>("dep");         // of the pixel (150, 61)
        QTest::addColumn<QString>("numero");  // selected by the click; empty: none
        QTest::newRow("Corse du Sud") << false << 150 << 61 << 3 << 96 << u" 2A"_s;
        QTest::newRow("Haute Corse") << false << 150 << 61 << 3 << 20 << u" 2B"_s;
        QTest::newRow("Aube") << false << 150 << 61 << 3 << 10 << u" 10"_s;
        QTest::newRow("Ain") << false << 150 << 61 << 3 << 1 << u"  1"_s;
        QTest::newRow("Ille et Vilaine, Bretagne") << true << 150 << 61 << 3 << 35 << u"  5"_s;
        QTest::newRow("Rhône, Rhône-Alpes") << true << 150 << 61 << 3 << 69 << u" 22"_s;
        QTest::newRow("Corse du Sud, Corse") << true << 150 << 61 << 3 << 96 << u"  8"_s;
        QTest::newRow("régions, view Complète") << true << 150 << 61 << 2 << 35 << QString();
        QTest::newRow("pixel of no département") << false << 150 << 62 << 3 << 33 << QString();
        QTest::newRow("column without a file") << false << 151 << 61 << 3 << 33 << QString();
        QTest::newRow("département out of range") << false << 150 << 63 << 3 << 33 << QString();
        QTest::newRow("damaged record") << false << 150 << 64 << 3 << 33 << QString();
        QTest::newRow("view Complète") << false << 150 << 61 << 2 << 33 << QString();
        QTest::newRow("view Département") << false << 150 << 61 << 1 << 33 << QString();
    }
    // From another item, a click on the map at (x, y), on a screen whose pixels are not square, selects
    // the département (or its région) under the pointer, in the "Test" view only; clicking the item shown
    // again changes nothing.
    void mapClicks()
    {
        QFETCH(bool, regions);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, vue);
        QFETCH(int, dep);
        QFETCH(QString, numero);
        // Column 150 lists the pixel (150, 61) twice: its last record names it.
        QByteArray abime = EcritPointCarte(150, 64, 33);
        abime[12] = char(abime[12] ^ 'x');
        ecritPixels(u"F150.dat"_s, {{150, 60, 5}, {150, 61, 2}, {150, 61, dep}, {150, 63, 99}, {150, 63, 0}}, abime);
        ecritPixels(regions ? u"R%1.dat"_s.arg(NumRegionDep[dep]) : u"D%1.dat"_s.arg(dep), {{150, 61, dep}});
        dansLeTutoriel(regions, [&](auto* f) {
            using F = std::remove_pointer_t<decltype(f)>;
            f->plus->click();
            f->Carte[vue]->setChecked(true);
            fake->screen.twipsX = 12;
            fake->screen.twipsY = 20;
            DepTrouve = 7;
            f->Picture1_MouseMove(0, 0, x * 12 + 7, y * 20);
            f->Picture1_Click();
            const QString attendu = numero.isEmpty() ? u"  2"_s : numero;
            QCOMPARE(f->ComboD[0]->text(), attendu);
            QCOMPARE(f->Label2->text(), texteDeListe<F>(1, IndexNumero(attendu)));
            QVERIFY(!QFileInfo::exists(platform::appFile(u"F151.dat"_s)));
            if (numero.isEmpty()) {
                QCOMPARE(DepTrouve, int16_t(vue == 3 ? 0 : 7));
                return;
            }
            QCOMPARE(DepClique, int16_t(dep));
            QCOMPARE(DepTrouve, int16_t(1));
            QCOMPARE(NomDepClique, NomDep[dep]);
            f->Timer1_Timer();
            QVERIFY(peint(f->Picture1, 150, 61));
            f->Picture1_Click();
            QCOMPARE(EtatSon, int16_t(5));
            QVERIFY(peint(f->Picture1, 150, 61));
            // After a click on the item shown, the next pick in another list is followed as usual.
            choisit(f->ComboD[2], regions ? u"Lille"_s : u"Laon"_s);
            QCOMPARE(f->ComboD[0]->text(), regions ? u" 15"_s : u"  2"_s);
            QCOMPARE(f->Label2->text(), regions ? u"Nord-Pas de Calais"_s : u"Aisne"_s);
        });
    }

    void redrawPaintsOnlyTheLastChange()
    {
        ecritPixels(u"D2.dat"_s, {{5, 5, 2}});
        ecritPixels(u"D3.dat"_s, {{6, 6, 3}});
        DidacDept* d = ouvreDept();
        d->plus->click();
        d->plus->click();
        d->Timer1_Timer();
        QVERIFY(peint(d->Picture1, 6, 6));
        QVERIFY(!d->Picture1->hasSetPixel(5, 5));
        // A window left open for an hour: the count stops at its limit.
        CompteTics = 32766;
        d->Timer1_Timer();
        d->Timer1_Timer();
        QCOMPARE(CompteTics, int16_t(32767));
    }

    void views_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("vue");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<QString>("legende");
        QTest::newRow("dep 0") << false << 0 << u"GeomiraA2.gif"_s << 7600 << u"Region et n° département"_s;
        QTest::newRow("dep 1") << false << 1 << u"GeomiraR5.gif"_s << 8000 << u"Département"_s;
        QTest::newRow("dep 2") << false << 2 << u"GeomiraR4.gif"_s << 8200 << u"Complète"_s;
        QTest::newRow("reg 0") << true << 0 << u"GeomiraA1.gif"_s << 7550 << u"Région en couleur"_s;
        QTest::newRow("reg 1") << true << 1 << u"GeomiraA2.gif"_s << 7550 << u"Région et n° département"_s;
        QTest::newRow("reg 2") << true << 2 << u"GeomiraR4.gif"_s << 8200 << u"Complète"_s;
        QTest::newRow("reg 3") << true << 3 << u"GeomiraRegV.gif"_s << 7095 << u"Test"_s;
    }
    // Each view: its caption, its picture and width, the controls it shows (the département tutorial's
    // in "Test" only, the région tutorial's but in "Complète", its capital dot in the coloured views,
    // its captions larger in "Test"); only "Test" is painted, and a missing picture leaves the map blank.
    void views()
    {
        QFETCH(bool, regions);
        QFETCH(int, vue);
        QFETCH(QString, image);
        QFETCH(int, largeur);
        QFETCH(QString, legende);
        const bool listes = regions && vue != 2;
        ecritPixels(regions ? u"R5.dat"_s : u"D5.dat"_s, {{60, 70, 35}});
        fake->pictures.missing << image;
        dansLeTutoriel(regions, [&](auto* f) {
            f->Carte[vue == 2 ? 0 : 2]->setChecked(true);
            f->ComboD[0]->setText(u"  5"_s);  // the redraw still to come
            f->Carte[vue]->setChecked(true);
            f->Timer1_Timer();
            QCOMPARE(f->Picture1->hasSetPixel(60, 70), vue == 3);
            QCOMPARE(f->Carte[vue]->text(), legende);
            QCOMPARE(derniereImage(), image);
            QCOMPARE(f->Picture1->width(), platform::tw(largeur));
            for (QWidget* w : std::initializer_list<QWidget*>{f->ComboD[1], f->ComboD[4], f->moins, f->plus, f->Label2, f->Label8, f->Evol})
                QCOMPARE(w->isHidden(), !listes);
            QCOMPARE(f->ComboD[0]->isHidden(), regions || !listes);
            QVERIFY(!f->Stop->isHidden());
            QCOMPARE(testkit::layoutFaults(f), QString());
            testkit::screenshot(f, u"%1_vue%2"_s.arg(regions ? u"didacreg"_s : u"didacdept"_s).arg(vue));
        });
        if (DidacReg* r = win::DidacReg.ifLoaded()) {
            for (QWidget* w : std::initializer_list<QWidget*>{r->ComboD[5], r->Image1, r->Label6})
                QCOMPARE(w->isHidden(), !listes);
            QCOMPARE(r->PtsClig->isHidden(), vue > 1);
            if (listes) {
                QCOMPARE(r->Label9->font().pointSizeF(), vue == 3 ? 10.0 : 9.0);
                QCOMPARE((QList<int>{r->moins->x(), r->plus->x()}), (QList<int>{platform::tw(8160), platform::tw(8400)}));
            }
        } else {
            DidacDept* d = win::DidacDept.ifLoaded();
            QVERIFY(d->Reg->isHidden());
            // Back to "Test": the lists come back and the selected item is painted again.
            d->Carte[3]->setChecked(true);
            QCOMPARE(d->Picture1->width(), platform::tw(7095));
            QVERIFY(!d->ComboD[0]->isHidden() && !d->Evol->isHidden() && !d->Reg->isHidden());
            QVERIFY(peint(d->Picture1, 60, 70));
        }
    }

    // "Arret" shows the hub; it leaves no pending paint to the next tutorial, and the région
    // tutorial's takes the coats of arms it opened with it.
    void stopLeavesNothingBehind()
    {
        ecritPixels(u"R2.dat"_s, {{60, 70, 33}});
        ouvreDept()->plus->click();  // left within the redraw delay
        win::DidacDept->Stop->click();
        QVERIFY(win::Sommaire.isVisible());
        win::Sommaire.Unload();
        DidacReg* r = ouvreReg();
        r->Timer1_Timer();
        QVERIFY(!r->Picture1->hasSetPixel(60, 70));  // département 2's pending paint is not this map's
        r->Image1_Click();
        QVERIFY(win::Blasons.isVisible());
        r->Stop->click();
        QVERIFY(!win::Blasons.isLoaded() && !win::DidacReg.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
    }

    // ------------------------------------------------------------ région tutorial

    // A pick in the list of départements changes nothing; a région without its picture shows none.
    void regionDepartementsAndPicture()
    {
        fake->pictures.missing << u"Alsace.gif"_s << u"Corse.gif"_s;
        DidacReg* r = ouvreReg();
        fake->pictures.loaded.clear();
        choisit(r->ComboD[5], u" 68 : Haut Rhin"_s);
        QCOMPARE(EtatSon, int16_t(5));
        QCOMPARE(r->ComboD[1]->text(), u"Alsace"_s);
        QVERIFY(fake->pictures.loaded.isEmpty());
        QVERIFY(r->Image1->pixmap().isNull());
        choisit(r->ComboD[1], u"Corse"_s);
        QVERIFY(r->Image1->pixmap().isNull());
        choisit(r->ComboD[1], u"Bretagne"_s);
        QVERIFY(!r->Image1->pixmap().isNull());
    }

    void capitalBlinksTwelveTicks()
    {
        DidacReg* r = ouvreReg();
        r->Carte[0]->setChecked(true);
        choisit(r->ComboD[1], u"Bretagne"_s);
        QVERIFY(!r->PtsClig->isHidden());
        for (int tick = 1; tick <= 11; ++tick) {
            r->Timer2_Timer();
            QCOMPARE(r->PtsClig->isHidden(), tick % 2 == 1);
        }
        const QPoint rennes(platform::tw(950), platform::tw(1920));
        QCOMPARE(r->PtsClig->pos(), rennes);
        r->Timer2_Timer();
        QVERIFY(!r->PtsClig->isHidden());
        QVERIFY(!r->Timer2->isActive());

        // Selected in "Test", the blink waits until a coloured view is chosen.
        r->Carte[3]->setChecked(true);
        choisit(r->ComboD[1], u"Rhône-Alpes"_s);
        QVERIFY(r->Timer2->isActive());
        r->Timer2_Timer();
        r->Timer2_Timer();
        QCOMPARE(r->PtsClig->pos(), rennes);
        r->Carte[1]->setChecked(true);
        QVERIFY(!r->PtsClig->isHidden());
        r->Timer2_Timer();
        QVERIFY(r->PtsClig->isHidden());  // the first of twelve blinks
        QCOMPARE(r->PtsClig->pos(), QPoint(platform::tw(5300), platform::tw(4250)));  // Lyon
    }

    // ------------------------------------------------------------ coats of arms

    void coatsOfArms_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("bouton");
        QTest::newRow("Alsace") << 0 << int(Qt::LeftButton);
        QTest::newRow("Franche-Comté") << 8 << int(Qt::LeftButton);
        QTest::newRow("Ile de France") << 9 << int(Qt::LeftButton);
        QTest::newRow("Rhône-Alpes") << 21 << int(Qt::LeftButton);
        QTest::newRow("middle button") << 15 << int(Qt::MiddleButton);
        QTest::newRow("right button, every one") << -1 << int(Qt::RightButton);
        QTest::newRow("alone, a click only closes") << 4 << int(Qt::LeftButton);
    }
    // Opened from the région tutorial, a click on a coat of arms chooses its région there; a right
    // click frames it and names its région, for each of the 22, and the window stays. Alone, a click
    // only closes it.
    void coatsOfArms()
    {
        QFETCH(int, index);
        QFETCH(int, bouton);
        DidacReg* r = index == 4 ? nullptr : ouvreReg();
        const int chargements = win::DidacReg.loadCount();
        if (r) {
            r->plus->click();  // from another région
            QTest::mouseClick(r->Image1, Qt::LeftButton);
        } else {
            // Alone, without the folder's pictures: the coats of arms are the window's own.
            for (int n = 1; n <= 22; ++n)
                fake->pictures.missing << ImageRegion(n);
            win::Blasons.Show();
            for (const ImageBlason* blason : win::Blasons->Blason) {
                const QImage image = blason->pixmap().toImage();
                QVERIFY(!image.isNull() && image.pixel(0, 0) != image.pixel(image.rect().center()));  // not a plain box
            }
        }
        Blasons* b = win::Blasons.ifLoaded();
        QVERIFY(b && b->isVisible() && b->closeBoxRemoved());
        QCOMPARE(b->Label1->text(), QString());
        for (int k = 0; index < 0 && k < 22; ++k) {
            const int choisi = (k + 15) % 22;
            QTest::mouseClick(b->Blason[choisi], Qt::RightButton);
            QCOMPARE(b->Label1->text(), NomRegion[choisi + 1]);
            for (int i = 0; i < 22; ++i)
                QCOMPARE(b->Blason[i]->frameShape(), i == choisi ? QFrame::Box : QFrame::NoFrame);
            QCOMPARE(testkit::layoutFaults(b), QString());
        }
        testkit::screenshot(b, u"blasons"_s);
        if (index >= 0)
            QTest::mouseClick(b->Blason[index], Qt::MouseButton(bouton));
        testkit::flushDeletes();
        QCOMPARE(win::Blasons.isLoaded(), index < 0);
        QVERIFY(!win::Sommaire.isLoaded());
        QCOMPARE(win::DidacReg.loadCount(), chargements);
        QCOMPARE(win::DidacReg.isVisible(), r != nullptr);
        if (!r)
            return;
        const int n = index < 0 ? 2 : index + 1;
        QCOMPARE(r->ComboD[0]->text(), TexteNumero(n));
        QCOMPARE(r->ComboD[1]->text(), NomRegion[n]);
        QCOMPARE(r->Label2->text(), NomRegion[n]);
        QCOMPARE(EtatSon, int16_t(5));
    }

    // ------------------------------------------------------------ with the program's own map data

    void generatedMapClickMatchesPainting_data()
    {
        QTest::addColumn<int>("dep");
        QTest::newRow("Corse du Sud") << 96;
        QTest::newRow("Haute Corse") << 20;
        QTest::newRow("Paris") << 75;
        QTest::newRow("Finistère") << 29;
    }
    void generatedMapClickMatchesPainting()
    {
        QFETCH(int, dep);
        const QString pixels = dossierPixels();
        if (pixels.isEmpty())
            QSKIP("no generated pixel files in this build");
        platform::setAppPath(pixels);
        const auto points = LitPointsCarte(FichierPixels('D', dep), false);
        QVERIFY(!points.empty());
        const PointCarte& p = points.at(points.size() / 2);

        // A real click on the map: the département, or its région, selected and painted over every point.
        for (bool regions : {false, true}) {
            dansLeTutoriel(regions, [&](auto* f) {
                QTest::mouseClick(f->Picture1, Qt::LeftButton, {}, QPoint(p.x, p.y));
                QCOMPARE(f->ComboD[0]->text(), regions ? TexteNumero(NumRegionDep[dep]) : TexteNumeroDep(dep));
                f->Timer1_Timer();
                for (const PointCarte& q : points)
                    QVERIFY(peint(f->Picture1, q.x, q.y));
            });
            win::UnloadAll();
        }
    }

    // The middle of the disc drawn on the map lies on the préfecture's département, for every région.
    void generatedCapitalDots()
    {
        const QString pixels = dossierPixels();
        if (pixels.isEmpty())
            QSKIP("no generated pixel files in this build");
        platform::setAppPath(pixels);
        DidacReg* r = ouvreReg();
        r->Carte[0]->setChecked(true);
        for (int region = 1; region <= 22; ++region) {
            r->ComboD[0]->setText(TexteNumero(region));
            r->Timer2_Timer();
            r->PtsClig->show();
            const QImage avec = r->Picture1->grab().toImage();
            r->PtsClig->hide();
            const QImage sans = r->Picture1->grab().toImage();
            QPointF somme;
            int n = 0;
            for (int y = 0; y < avec.height(); ++y)
                for (int x = 0; x < avec.width(); ++x)
                    if (avec.pixel(x, y) != sans.pixel(x, y))
                        somme += QPointF(x, y), ++n;
            const QPoint centre = (somme / qMax(n, 1)).toPoint();
            const auto colonne = LitPointsCarte(FichierPixels('F', centre.x()), true);
            QVERIFY2(std::any_of(colonne.begin(), colonne.end(),
                                 [&](const PointCarte& p) { return p.y == centre.y() && PrefDep[p.departement] == PrefRegion[region]; }),
                     qPrintable(NomRegion[region]));
        }
    }
};

QTEST_MAIN(TestMapTutorials)
#include "tst_map_tutorials.moc"
