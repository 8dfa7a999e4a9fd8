// The map tutorials (départements, régions), their map panel and the coats of arms.
#include "../quiz/QuizFixture.h"
#include "testkit/Layout.h"

#include "app/Sommaire.h"
#include "quiz/MapBox.h"
#include "tutorials/Blasons.h"
#include "tutorials/DidacDept.h"
#include "tutorials/DidacReg.h"

#include <QRadioButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

bool peint(MapBox* carte, QPoint p) { return carte->hasSetPixel(p.x(), p.y()) && carte->colorAt(p.x(), p.y()) == QColor(0, 235, 0); }

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

// The user's click on the map, at a point that may fall inside a pixel as on a scaled screen.
void cliqueCarte(MapBox* carte, QPointF point)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent clic(type, point, carte->mapToGlobal(point), Qt::LeftButton,
                         type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(carte, &clic);
    }
}

} // namespace

class TestMapTutorials : public QObject, QuizFixture {
    Q_OBJECT

    static DidacDept* ouvreDept() { return win::DidacDept.Show(), win::DidacDept.ifLoaded(); }
    static DidacReg* ouvreReg() { return win::DidacReg.Show(), win::DidacReg.ifLoaded(); }
    // Runs a check on the tutorial of the row: départements, or régions.
    template <class Check> void dansLeTutoriel(bool regions, Check check) { regions ? check(ouvreReg()) : check(ouvreDept()); }
    QString derniereImage() const { return QFileInfo(fake->pictures.loaded.value(fake->pictures.loaded.size() - 1)).fileName(); }

    // Starts from item n, picked by its name, with the capital's blink at rest.
    template <class F> void depuis(F* f, int n)
    {
        choisit(f->ComboD[1], texteDeListe<F>(1, n));
        QCOMPARE(f->ComboD[0]->text(), texteDeListe<F>(0, n));
        fake->pictures.loaded.clear();
        CompteTics2 = 7;
        if constexpr (std::is_same_v<F, DidacReg>)
            platform::setTimerEnabled(f->Timer2, false);
    }
    // Item n newly selected: every list on it, the map titled and blank until the next tick paints
    // the item at `point`; a région's picture and départements shown, none chosen, its capital
    // blinking anew.
    template <class F> void selectionne(F* f, int n, QPoint point)
    {
        for (int k = 0; k < 5; ++k)
            QCOMPARE(f->ComboD[k]->text(), texteDeListe<F>(k, n));
        QCOMPARE(f->Label2->text(), texteDeListe<F>(1, n));
        QVERIFY(!f->Picture1->hasSetPixel(point.x(), point.y()));
        f->Timer1_Timer();
        QVERIFY(peint(f->Picture1, point));
        if constexpr (std::is_same_v<F, DidacReg>) {
            QCOMPARE(derniereImage(), ImageRegion(n));
            QCOMPARE(f->ComboD[5]->listIndex(), -1);
            QVERIFY(f->Timer2->isActive());
            QCOMPARE(CompteTics2, int16_t(0));
        } else {
            QCOMPARE(f->Reg->text(), RegionDep[n]);
        }
    }

private slots:
    void init()
    {
        testkit::pinRowLocale();
        ouvre();
    }
    void cleanup() { ferme(); }

    // ------------------------------------------------------------ the lists

    void sortedLists_data()
    {
        colonnes<QString>({"premier", "second"});
        QTest::newRow("blank before digit") << u"  9"_s << u" 10"_s;
        QTest::newRow("digit before letter") << u" 29"_s << u" 2A"_s;
        QTest::newRow("2B before 30") << u" 2B"_s << u" 30"_s;
        QTest::newRow("case ignored") << u"ain"_s << u"Aisne"_s;
        QTest::newRow("accent ignored") << u"Ardèche"_s << u"Ardennes"_s;
        QTest::newRow("blank before letter") << u"Bourg en Bresse"_s << u"Bourges"_s;
        QTest::newRow("smaller area first") << u" 5 762 km²"_s << u"10 000 km²"_s;
        QTest::newRow("hyphen weighs nothing") << u"Saintes"_s << u"Saint-Lô"_s;
    }
    // Two items in the row's order, whichever comes first; filling the list chooses nothing, and only
    // a pick that changes the item is reported, not one of the item shown, of no item, or emptying it.
    void sortedLists()
    {
        QFETCH(QString, premier); QFETCH(QString, second);
        for (const QStringList& ajouts : {QStringList{premier, second}, QStringList{second, premier}}) {
            ListeDeroulante liste(true);
            int choix = 0;
            connect(&liste, &ListeDeroulante::choisi, &liste, [&] { ++choix; });
            for (const QString& t : ajouts)
                liste.AddItem(t);
            QCOMPARE(items(&liste), (QStringList{premier, second}));
            QCOMPARE(liste.listIndex(), -1);
            liste.setText(second);
            liste.setText(second);
            liste.setText(second.chopped(1));
            QCOMPARE(choix, 1);
            QCOMPARE(liste.text(), second);
            liste.Clear();
            QCOMPARE(choix, 1);
            QCOMPARE(liste.text(), QString());
        }
    }

    // ------------------------------------------------------------ both tutorials alike

    void tutorialsOpenOnTheFirstItem_data()
    {
        QTest::addColumn<bool>("regions");
        colonnes<QStringList>({"listes", "chiffres", "images"});  // lists 0 to 4; densities 1999 and 1990,
                                                                  // population 1990, evolution; pictures loaded
        QTest::newRow("départements") << false
                                      << QStringList{u"  1"_s, u"Ain"_s, u"Bourg en Bresse"_s, u" 5 762 km²"_s, u"  515 270 hab"_s}
                                      << QStringList{u"89,4 en 1999"_s, u"81,7 en 1990"_s, u"  471 019 hab"_s, u" POSITIVE de 9,39 %"_s}
                                      << QStringList{u"GeomiraDepV.gif"_s};
        QTest::newRow("régions") << true << QStringList{u"  1"_s, u"Alsace"_s, u"Strasbourg"_s, u" 8 280 km²"_s, u" 1 734 145 hab"_s}
                                 << QStringList{u"209,4 en 1999"_s, u"196,2 en 1990"_s, u" 1 624 372 hab"_s, u" POSITIVE de 6,76 %"_s}
                                 << QStringList{u"GeomiraRegV.gif"_s, u"Alsace.gif"_s};
    }
    void tutorialsOpenOnTheFirstItem()
    {
        QFETCH(bool, regions); QFETCH(QStringList, listes); QFETCH(QStringList, chiffres); QFETCH(QStringList, images);
        for (QString& image : images)
            image = platform::appFile(image);
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
            QVERIFY(peint(f->Picture1, {30, 40}) && peint(f->Picture1, {31, 40}));
            QCOMPARE(fake->pictures.loaded, images);
            QCOMPARE(f->Timer1->isActive() ? f->Timer1->interval() : 0, 100);
            QCOMPARE(testkit::layoutFaults(f), QString());
        });
        if (DidacReg* r = win::DidacReg.ifLoaded()) {
            QCOMPARE(r->Timer2->isActive() ? r->Timer2->interval() : 0, 500);
            QVERIFY(r->ComboD[0]->isHidden());
            QCOMPARE(items(r->ComboD[5]), (QStringList{u" 67 : Bas Rhin"_s, u" 68 : Haut Rhin"_s}));
            QCOMPARE(r->ComboD[5]->text(), u" 67 : Bas Rhin"_s);
            QVERIFY(!r->Image1->pixmap().isNull());
        } else {
            QCOMPARE(win::DidacDept->Reg->text(), u"Rhône-Alpes"_s);
        }
    }

    void pickInAnyList_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("textes");  // shown in the figures or, joined, in the list of départements
        QTest::newRow("Creuse") << false << 23 << QStringList{u" NEGATIVE de -5,24 %"_s};
        QTest::newRow("Corse du Sud") << false << 96 << QStringList{u" NEGATIVE de -0,18 %"_s};
        QTest::newRow("Haute Corse") << false << 20 << QStringList();
        QTest::newRow("Nièvre") << false << 58 << QStringList{u"33 en 1999"_s};
        QTest::newRow("Paris") << false << 75 << QStringList{u"20240,4 en 1999"_s};
        QTest::newRow("Paris, locale en_US") << false << 75 << QStringList{u"20240.4 en 1999"_s};
        QTest::newRow("Creuse, locale C") << false << 23 << QStringList{u" NEGATIVE de -5.24 %"_s};
        QTest::newRow("Aube") << false << 10 << QStringList();
        QTest::newRow("Auvergne") << true << 3 << QStringList{u" NEGATIVE de -0,93 %"_s};
        QTest::newRow("Champagne-Ardenne") << true << 7 << QStringList{u" NEGATIVE de -0,41 %"_s};
        QTest::newRow("Limousin") << true << 12 << QStringList{u" NEGATIVE de -1,65 %"_s};
        QTest::newRow("Bourgogne") << true << 4 << QStringList{u"51 en 1990"_s, u"51 en 1999"_s};
        QTest::newRow("Corse") << true << 8 << QStringList{u"30 en 1999"_s, u"2B : Corse du Nord, 2A : Corse du Sud"_s};
        QTest::newRow("Rhône-Alpes") << true << 22
                                     << QStringList{u" 1 : Ain,  7 : Ardèche,  26 : Drôme,  38 : Isère,  42 : Loire, "
                                                    u" 69 : Rhône,  73 : Savoie,  74 : Haute Savoie"_s};
        QTest::newRow("Bretagne") << true << 5 << QStringList();
    }
    // From the first item, a pick of item n in each list in turn: every list follows and the figures
    // are written, a decrease in red. A région without its picture (Corse's is missing) shows none,
    // and a pick in its list of départements changes nothing.
    void pickInAnyList()
    {
        QFETCH(bool, regions); QFETCH(int, n); QFETCH(QStringList, textes);
        ecritPixels((regions ? u"R%1.dat"_s : u"D%1.dat"_s).arg(n), {{100, 120, n}});
        fake->pictures.missing << u"Corse.gif"_s;
        dansLeTutoriel(regions, [&](auto* f) {
            using F = std::remove_pointer_t<decltype(f)>;
            for (int liste = regions ? 1 : 0; liste < 5; ++liste) {
                // After the hand-off the next change is handled as usual.
                depuis(f, 1);
                choisit(f->ComboD[liste], texteDeListe<F>(liste, n));
                selectionne(f, n, {100, 120});
                QStringList montres{f->nbh90->text(), f->nbh99->text(), f->Evol->text()};
                const QColor fond = f->Evol->text().startsWith(u" NEGATIVE"_s) ? QColor(255, 0, 0) : QColor(0, 0, 255);
                QCOMPARE(f->Evol->palette().color(QPalette::Base), fond);
                QCOMPARE(f->Evol->palette().color(QPalette::Text), QColor(255, 255, 0));
                if constexpr (std::is_same_v<F, DidacReg>) {
                    montres << items(f->ComboD[5]).join(u", "_s);
                    QCOMPARE(f->Image1->pixmap().isNull(), n == 8);
                    fake->pictures.loaded.clear();
                    choisit(f->ComboD[5], f->ComboD[5]->itemText(f->ComboD[5]->count() - 1));
                    QCOMPARE(f->ComboD[1]->text(), NomRegion[n]);
                    QVERIFY(peint(f->Picture1, {100, 120}) && fake->pictures.loaded.isEmpty());
                }
                for (const QString& texte : textes)
                    QVERIFY2(montres.contains(texte), qPrintable(montres.join(u" | "_s)));
            }
        });
    }

    void stepping_data()
    {
        colonnes<bool>({"regions", "plus"});
        colonnes<QString>({"depart", "arrivee"});
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
                << l.regions << l.plus << QString::fromUtf16(l.depart) << QString::fromUtf16(l.arrivee);
    }
    // One "+" or "-" from the row's item selects the next or previous one; at the ends nothing at all
    // happens: the map and the figures stay.
    void stepping()
    {
        QFETCH(bool, regions); QFETCH(bool, plus); QFETCH(QString, depart); QFETCH(QString, arrivee);
        for (const QString& numero : {depart, arrivee})
            ecritPixels((regions ? u"R%1.dat"_s : u"D%1.dat"_s).arg(IndexNumero(numero)), {{100, 120, 1}});
        dansLeTutoriel(regions, [&](auto* f) {
            depuis(f, IndexNumero(depart));
            f->Timer1_Timer();
            const QString figures = f->nbh99->text();
            (plus ? f->plus : f->moins)->click();
            if (arrivee != depart)
                return selectionne(f, IndexNumero(arrivee), {100, 120});
            QCOMPARE(f->ComboD[0]->text(), depart);
            QVERIFY(peint(f->Picture1, {100, 120}));
            QCOMPARE(f->nbh99->text(), figures);
            QVERIFY(fake->pictures.loaded.isEmpty());
        });
    }

    void mapClicks_data()
    {
        QTest::addColumn<bool>("regions");
        colonnes<int>({"x", "y", "vue", "dep"});  // dep: of the pixel (150, 61)
        QTest::addColumn<QString>("numero");      // selected by the click; empty: none
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
    // From another item, a click on the map inside the pixel (x, y), on a screen whose pixels are not
    // square, selects the département (or its région) under the pointer, in the "Test" view only;
    // clicking the item shown again changes nothing.
    void mapClicks()
    {
        QFETCH(bool, regions); QFETCH(int, x); QFETCH(int, y); QFETCH(int, vue); QFETCH(int, dep); QFETCH(QString, numero);
        // Column 150 lists the pixel (150, 61) twice: its last record names it.
        QByteArray abime = EcritPointCarte(150, 64, 33);
        abime[12] = char(abime[12] ^ 'x');
        ecritPixels(u"F150.dat"_s, {{150, 60, 5}, {150, 61, 2}, {150, 61, dep}, {150, 63, 99}, {150, 63, 0}}, abime);
        ecritPixels(regions ? u"R%1.dat"_s.arg(NumRegionDep[dep]) : u"D%1.dat"_s.arg(dep), {{150, 61, dep}});
        dansLeTutoriel(regions, [&](auto* f) {
            f->plus->click();
            f->Carte[vue]->setChecked(true);
            fake->screen.twipsX = 12;
            fake->screen.twipsY = 20;
            DepTrouve = 7;
            cliqueCarte(f->Picture1, QPointF(x + 0.6, y));
            if (numero.isEmpty()) {
                QCOMPARE(f->ComboD[0]->text(), u"  2"_s);
                QCOMPARE(DepTrouve, int16_t(vue == 3 ? 0 : 7));
                return;
            }
            QCOMPARE(DepClique, int16_t(dep));
            QCOMPARE(DepTrouve, int16_t(1));
            QCOMPARE(NomDepClique, NomDep[dep]);
            selectionne(f, IndexNumero(numero), {150, 61});
            f->Picture1_Click();
            QVERIFY(peint(f->Picture1, {150, 61}));
            // After a click on the item shown, the next pick in another list is followed as usual.
            choisit(f->ComboD[2], regions ? u"Lille"_s : u"Laon"_s);
            QCOMPARE(f->ComboD[0]->text(), regions ? u" 15"_s : u"  2"_s);
            QCOMPARE(f->Label2->text(), regions ? u"Nord-Pas de Calais"_s : u"Aisne"_s);
        });
    }

    void views_data()
    {
        colonnes<bool>({"regions"});
        colonnes<int>({"vue", "largeur"});
        colonnes<QString>({"image", "legende"});
        QTest::newRow("dep 0") << false << 0 << 7600 << u"GeomiraA2.gif"_s << u"Region et n° département"_s;
        QTest::newRow("dep 1") << false << 1 << 8000 << u"GeomiraR5.gif"_s << u"Département"_s;
        QTest::newRow("dep 2") << false << 2 << 8200 << u"GeomiraR4.gif"_s << u"Complète"_s;
        QTest::newRow("reg 0") << true << 0 << 7550 << u"GeomiraA1.gif"_s << u"Région en couleur"_s;
        QTest::newRow("reg 1") << true << 1 << 7550 << u"GeomiraA2.gif"_s << u"Région et n° département"_s;
        QTest::newRow("reg 2") << true << 2 << 8200 << u"GeomiraR4.gif"_s << u"Complète"_s;
        QTest::newRow("reg 3") << true << 3 << 7095 << u"GeomiraRegV.gif"_s << u"Test"_s;
    }
    // Each view: its caption, its picture and width, the controls it shows (the département tutorial's
    // in "Test" only, the région tutorial's but in "Complète", its capital dot in the coloured views,
    // its captions larger in "Test"); only "Test" is painted, and a missing picture leaves the map blank.
    void views()
    {
        QFETCH(bool, regions); QFETCH(int, vue); QFETCH(int, largeur); QFETCH(QString, image); QFETCH(QString, legende);
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
            QVERIFY(peint(d->Picture1, {60, 70}));
        }
    }

    void redrawAndStop_data() { testkit::deuxLignes("regions", "régions after départements", "départements after régions"); }
    // A window left open for an hour stops counting at the limit. "Arret" shows the hub, taking the coats
    // of arms the région tutorial opened; the next tutorial has no paint pending from the last one.
    void redrawAndStop()
    {
        QFETCH(bool, regions);
        ecritPixels(regions ? u"D2.dat"_s : u"R2.dat"_s, {{60, 70, 33}});  // item 2 of the second tutorial
        for (bool second : {false, true}) {
            dansLeTutoriel(regions != second, [&](auto* f) {
                f->Timer1_Timer();
                QVERIFY(!f->Picture1->hasSetPixel(60, 70));
                CompteTics = 32766;
                f->Timer1_Timer();
                f->Timer1_Timer();
                QCOMPARE(CompteTics, int16_t(32767));
                f->plus->click();  // item 2, left within the redraw delay
                if constexpr (std::is_same_v<decltype(f), DidacReg*>) {
                    f->Image1_Click();
                    QVERIFY(win::Blasons.isVisible());
                }
                f->Stop->click();
            });
            QVERIFY(!win::Blasons.isLoaded() && !win::DidacReg.isLoaded() && !win::DidacDept.isLoaded());
            QVERIFY(win::Sommaire.isVisible());
            win::Sommaire.Unload();
        }
    }

    // ------------------------------------------------------------ région tutorial

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
        colonnes<int>({"index", "bouton"});
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
        QFETCH(int, index); QFETCH(int, bouton);
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
        if (r) {
            const int n = index < 0 ? 2 : index + 1;
            QCOMPARE(r->ComboD[0]->text(), TexteNumero(n));
            QCOMPARE(r->Label2->text(), NomRegion[n]);
        }
    }

    // ------------------------------------------------------------ with the program's own map data

    // The middle of the disc drawn on the map lies on the préfecture's département, for every région.
    void generatedCapitalDots()
    {
        const QDir pixels(QDir(qEnvironmentVariable("GEOMIRA_APP_DIR")).filePath(u"../generated/pixels"_s));
        if (!pixels.exists(u"D1.dat"_s))
            QSKIP("no generated pixel files in this build");
        platform::setAppPath(pixels.absolutePath());
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
