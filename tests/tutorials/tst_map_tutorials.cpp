// The map tutorials (départements, régions), their map panel and the coats of arms.
#include "../quiz/QuizFixture.h"
#include "testkit/Sandbox.h"

#include "app/Globals.h"
#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "quiz/MapBox.h"
#include "quiz/Tables.h"
#include "tutorials/Blasons.h"
#include "tutorials/DidacDept.h"
#include "tutorials/DidacReg.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QColor kVert(0, 235, 0);
const QColor kRouge(255, 0, 0);
const QColor kBleu(0, 0, 255);

bool peint(MapBox* carte, int x, int y) { return carte->hasSetPixel(x, y) && carte->colorAt(x, y) == kVert; }

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
QString texteDeListe(int k, int d) { return k == 0 ? TexteNumeroDep(d) : (*kListesDep[k])[d]; }
QString texteDeListeRegion(int k, int r) { return k == 0 ? TexteNumero(r) : (*kListesReg[k])[r]; }

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

    DidacDept* ouvreDept()
    {
        win::DidacDept.Show();
        return win::DidacDept.ifLoaded();
    }
    DidacReg* ouvreReg()
    {
        win::DidacReg.Show();
        return win::DidacReg.ifLoaded();
    }
    QString derniereImage() const
    {
        return fake->pictures.loaded.isEmpty() ? QString() : QFileInfo(fake->pictures.loaded.last()).fileName();
    }
    // A click on map pixel (x, y) as the map reports it in twips.
    template <class Fenetre> static void cliqueCarte(Fenetre* f, int x, int y)
    {
        f->Picture1_MouseMove(0, 0, float(x * 15), float(y * 15));
        f->Picture1_Click();
    }

    // Checks what both tutorials share after a pick of item n in each list, and what each adds.
    template <class F> void choixDansChaqueListe(F* f, int n)
    {
        constexpr bool reg = std::is_same_v<F, DidacReg>;
        QFETCH(QString, densite90);
        QFETCH(QString, densite99);
        QFETCH(QString, evolution);
        QFETCH(QStringList, departements);
        const auto texte = [n](int k) { return reg ? texteDeListeRegion(k, n) : texteDeListe(k, n); };
        for (int liste = reg ? 1 : 0; liste < 5; ++liste) {
            // After the hand-off the next change is handled as usual: the counter is back at 5.
            choisit(f->ComboD[1], reg ? u"Alsace"_s : u"Ain"_s);
            QCOMPARE(f->ComboD[0]->text(), u"  1"_s);
            QCOMPARE(f->ComboD[4]->text(), reg ? u" 1 734 145 hab"_s : u"  515 270 hab"_s);
            CompteTics2 = 7;
            if constexpr (reg)
                platform::setTimerEnabled(f->Timer2, false);
            choisit(f->ComboD[liste], texte(liste));

            for (int k = 0; k < 5; ++k)
                QCOMPARE(f->ComboD[k]->text(), texte(k));
            QCOMPARE(f->pop90->text(), reg ? Pop90Region[n] : Pop90Dep[n]);
            if (!densite90.isEmpty())
                QCOMPARE(f->nbh90->text(), densite90);
            if (!densite99.isEmpty())
                QCOMPARE(f->nbh99->text(), densite99);
            if (!evolution.isEmpty()) {
                QCOMPARE(f->Evol->text(), evolution);
                QCOMPARE(f->Evol->palette().color(QPalette::Base), kRouge);
                QCOMPARE(f->Evol->palette().color(QPalette::Text), QColor(255, 255, 0));
            }
            QCOMPARE(EtatSon, int16_t(5));
            // Handed to the map: titled at once, erased, painted at the next tick.
            QCOMPARE(f->Label2->text(), texte(1));
            QCOMPARE(NumAffiche, int16_t(n));
            QCOMPARE(CompteTics, int16_t(1));
            QVERIFY(!f->Picture1->hasSetPixel(100, 120));
            f->Timer1_Timer();
            QVERIFY(peint(f->Picture1, 100, 120));
            f->Timer1_Timer();  // later ticks paint nothing more
            QCOMPARE(CompteTics, int16_t(3));
            if constexpr (reg) {
                if (!departements.isEmpty())
                    QCOMPARE(items(f->ComboD[5]), departements);
                for (int i = 0; i < f->ComboD[5]->count(); ++i)
                    QCOMPARE(NumRegionDep[IndexNumero(f->ComboD[5]->itemText(i).section(u':', 0, 0).trimmed().prepend(u' '))],
                             int16_t(n));
                QCOMPARE(f->ComboD[5]->listIndex(), -1);  // the new région's départements, none chosen
                QCOMPARE(int(Tirage), n);
                QCOMPARE(derniereImage(), ImageRegion(n));
                QCOMPARE(CompteTics2, int16_t(0));  // the blinking starts again
                QVERIFY(f->Timer2->isActive());
            } else {
                QCOMPARE(f->Reg->text(), RegionDep[n]);
            }
        }
    }
    // One "+" or "-" from the row's item; at the ends nothing at all happens.
    template <class F, class Nom> void pas(F* f, Nom nom)
    {
        QFETCH(QString, depart);
        QFETCH(bool, plus);
        QFETCH(QString, arrivee);
        f->ComboD[0]->setText(depart);
        QCOMPARE(f->ComboD[1]->text(), nom(IndexNumero(depart)));
        fake->pictures.loaded.clear();
        CompteTics = 9;
        const QString figures = f->nbh99->text();
        (plus ? f->plus : f->moins)->click();
        const int n = IndexNumero(arrivee);
        QCOMPARE(f->ComboD[0]->text(), arrivee);
        QCOMPARE(f->ComboD[1]->text(), nom(n));
        QCOMPARE(f->Label2->text(), nom(n));
        QCOMPARE(EtatSon, int16_t(5));
        if (arrivee == depart) {
            QCOMPARE(CompteTics, int16_t(9));
            QCOMPARE(f->nbh99->text(), figures);
            QVERIFY(fake->pictures.loaded.isEmpty());
        } else {
            QCOMPARE(CompteTics, int16_t(1));
            if constexpr (std::is_same_v<F, DidacReg>) {
                QCOMPARE(int(Tirage), n);
                QCOMPARE(derniereImage(), ImageRegion(n));
                QCOMPARE(NumRegionDep[int(platform::Val(f->ComboD[5]->itemText(0)))], int16_t(n));
                QCOMPARE(f->ComboD[5]->listIndex(), -1);
            }
        }
    }
    // A click on the pointer's département at (150, 61) selects `numero`, from
    // another item, on a screen whose pixels are not square.
    template <class F> void clicSelectionne(F* f, int dep, const QString& numero, const QString& nom)
    {
        f->plus->click();
        fake->screen.twipsX = 12;
        fake->screen.twipsY = 20;
        f->Picture1_MouseMove(0, 0, 150 * 12 + 7, 61 * 20);
        f->Picture1_Click();
        QCOMPARE(DepClique, int16_t(dep));
        QCOMPARE(f->ComboD[0]->text(), numero);
        QCOMPARE(f->ComboD[1]->text(), nom);
        QCOMPARE(f->Label2->text(), nom);
        f->Timer1_Timer();
        QVERIFY(peint(f->Picture1, 150, 61));
        // Clicking the item shown again changes nothing.
        f->Picture1_Click();
        QCOMPARE(EtatSon, int16_t(5));
        QVERIFY(peint(f->Picture1, 150, 61));
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

    // ------------------------------------------------------------ shared by both tutorials

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

    void departementTutorialOpensOnAin()
    {
        ecritPixels(u"D1.dat"_s, {{30, 40, 1}, {31, 40, 1}});
        DidacDept* d = ouvreDept();
        QVERIFY(d->isVisible() && d->closeBoxRemoved());
        QVERIFY(d->Carte[3]->isChecked());
        const QStringList listes{u"  1"_s, u"Ain"_s, u"Bourg en Bresse"_s, u" 5 762 km²"_s, u"  515 270 hab"_s};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(d->ComboD[k]->text(), listes[k]);
            QCOMPARE(d->ComboD[k]->count(), 96);
        }
        QCOMPARE(d->Reg->text(), u"Rhône-Alpes"_s);
        QCOMPARE(d->Label2->text(), u"Ain"_s);
        QCOMPARE(d->nbh99->text(), u"89,4 en 1999"_s);
        QCOMPARE(d->nbh90->text(), u"81,7 en 1990"_s);
        QCOMPARE(d->pop90->text(), u"  471 019 hab"_s);
        QCOMPARE(d->Evol->text(), u" POSITIVE de 9,39 %"_s);
        QCOMPARE(d->Evol->palette().color(QPalette::Base), kBleu);
        QCOMPARE(EtatSon, int16_t(5));
        QVERIFY(peint(d->Picture1, 30, 40) && peint(d->Picture1, 31, 40));
        QCOMPARE(QFileInfo(fake->pictures.loaded.value(0)).fileName(), u"GeomiraDepV.gif"_s);
        // The number list in its sorted order.
        const QStringList numeros = items(d->ComboD[0]);
        QCOMPARE(numeros.mid(27, 4), (QStringList{u" 29"_s, u" 2A"_s, u" 2B"_s, u" 30"_s}));
        QCOMPARE(numeros.indexOf(u" 19"_s) + 1, numeros.indexOf(u" 21"_s));
    }

    // ------------------------------------------------------------ both tutorials alike

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
                                     << QStringList{u" 1 : Ain"_s, u" 7 : Ardèche"_s, u" 26 : Drôme"_s,
                                                    u" 38 : Isère"_s, u" 42 : Loire"_s, u" 69 : Rhône"_s,
                                                    u" 73 : Savoie"_s, u" 74 : Haute Savoie"_s};
        QTest::newRow("Bretagne") << true << 5 << rien << rien << rien << QStringList();
    }
    // From the first item, a pick of item n in each list in turn.
    void pickInAnyList()
    {
        QFETCH(bool, regions);
        QFETCH(int, n);
        ecritPixels((regions ? u"R%1.dat"_s : u"D%1.dat"_s).arg(n), {{100, 120, n}});
        if (regions)
            choixDansChaqueListe(ouvreReg(), n);
        else
            choixDansChaqueListe(ouvreDept(), n);
    }

    void stepping_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<QString>("depart");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("arrivee");
        const auto ligne = [](const char* nom, bool regions, const QString& depart, bool plus, const QString& arrivee) {
            QTest::newRow(nom) << regions << depart << plus << arrivee;
        };
        ligne("dep + from 9", false, u"  9"_s, true, u" 10"_s);
        ligne("dep + from 19", false, u" 19"_s, true, u" 21"_s);
        ligne("dep + from 29", false, u" 29"_s, true, u" 2A"_s);
        ligne("dep + from 2A", false, u" 2A"_s, true, u" 2B"_s);
        ligne("dep + from 2B", false, u" 2B"_s, true, u" 30"_s);
        ligne("dep - from 30", false, u" 30"_s, false, u" 2B"_s);
        ligne("dep - from 2B", false, u" 2B"_s, false, u" 2A"_s);
        ligne("dep - from 2A", false, u" 2A"_s, false, u" 29"_s);
        ligne("dep - from 21", false, u" 21"_s, false, u" 19"_s);
        ligne("dep - from 10", false, u" 10"_s, false, u"  9"_s);
        ligne("dep + at 95", false, u" 95"_s, true, u" 95"_s);
        ligne("dep - at 1", false, u"  1"_s, false, u"  1"_s);
        ligne("reg + from 9", true, u"  9"_s, true, u" 10"_s);
        ligne("reg - from 10", true, u" 10"_s, false, u"  9"_s);
        ligne("reg - from 22", true, u" 22"_s, false, u" 21"_s);
        ligne("reg + from 1", true, u"  1"_s, true, u"  2"_s);
        ligne("reg + at 22", true, u" 22"_s, true, u" 22"_s);
        ligne("reg - at 1", true, u"  1"_s, false, u"  1"_s);
    }
    void stepping()
    {
        QFETCH(bool, regions);
        if (regions)
            pas(ouvreReg(), [](int r) { return NomRegion[r]; });
        else
            pas(ouvreDept(), [](int d) { return NomDep[d]; });
    }

    void mapClickSelects_data()
    {
        QTest::addColumn<bool>("regions");
        QTest::addColumn<int>("dep");
        QTest::addColumn<QString>("numero");
        QTest::newRow("Corse du Sud") << false << 96 << u" 2A"_s;
        QTest::newRow("Haute Corse") << false << 20 << u" 2B"_s;
        QTest::newRow("Aube") << false << 10 << u" 10"_s;
        QTest::newRow("Ain") << false << 1 << u"  1"_s;
        QTest::newRow("Ille et Vilaine, Bretagne") << true << 35 << u"  5"_s;
        QTest::newRow("Rhône, Rhône-Alpes") << true << 69 << u" 22"_s;
        QTest::newRow("Corse du Sud, Corse") << true << 96 << u"  8"_s;
    }
    void mapClickSelects()
    {
        QFETCH(bool, regions);
        QFETCH(int, dep);
        QFETCH(QString, numero);
        // Column 150 lists the clicked pixel twice: its last record names it.
        ecritPixels(u"F150.dat"_s, {{150, 60, 5}, {150, 61, 2}, {150, 61, dep}});
        ecritPixels(regions ? u"R%1.dat"_s.arg(NumRegionDep[dep]) : u"D%1.dat"_s.arg(dep), {{150, 61, dep}});
        if (regions) {
            DidacReg* r = ouvreReg();
            clicSelectionne(r, dep, numero, NomRegion[IndexNumero(numero)]);
            // In "Complète" the same click selects nothing.
            r->Carte[2]->setChecked(true);
            r->ComboD[0]->setText(u"  1"_s);
            r->Picture1_Click();
            QCOMPARE(r->ComboD[0]->text(), u"  1"_s);
            return;
        }
        DidacDept* d = ouvreDept();
        clicSelectionne(d, dep, numero, NomDep[dep]);
        QCOMPARE(DepTrouve, int16_t(1));
        QCOMPARE(NomDepClique, NomDep[dep]);
        // After a click on the item shown, the next pick in another list is followed as usual.
        choisit(d->ComboD[2], u"Laon"_s);
        QCOMPARE(d->ComboD[0]->text(), u"  2"_s);
        QCOMPARE(d->Label2->text(), u"Aisne"_s);
    }

    // ------------------------------------------------------------ département tutorial

    void mapClicksThatFindNothing_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("vue");
        QTest::newRow("pixel of no département") << 150 << 62 << 3;
        QTest::newRow("column without a file") << 151 << 61 << 3;
        QTest::newRow("département out of range") << 150 << 63 << 3;
        QTest::newRow("damaged record") << 150 << 64 << 3;
        QTest::newRow("view Complète") << 150 << 61 << 2;
        QTest::newRow("view Département") << 150 << 61 << 1;
    }
    void mapClicksThatFindNothing()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, vue);
        QByteArray abime = EcritPointCarte(150, 64, 33);
        abime[12] = char(abime[12] ^ 'x');
        ecritPixels(u"F150.dat"_s, {{150, 61, 33}, {150, 63, 99}, {150, 63, 0}}, abime);
        DidacDept* d = ouvreDept();
        d->Carte[vue]->setChecked(true);
        DepTrouve = 7;
        cliqueCarte(d, x, y);
        QCOMPARE(d->ComboD[0]->text(), u"  1"_s);
        QCOMPARE(d->ComboD[1]->text(), u"Ain"_s);
        QCOMPARE(DepTrouve, int16_t(vue == 3 ? 0 : 7));
        QVERIFY(!QFileInfo::exists(platform::appFile(u"F151.dat"_s)));
    }

    void redrawPaintsOnlyTheLastChange()
    {
        ecritPixels(u"D2.dat"_s, {{5, 5, 2}});
        ecritPixels(u"D3.dat"_s, {{6, 6, 3}});
        DidacDept* d = ouvreDept();
        d->plus->click();
        d->plus->click();
        QCOMPARE(NumAffiche, int16_t(3));
        d->Timer1_Timer();
        QVERIFY(peint(d->Picture1, 6, 6));
        QVERIFY(!d->Picture1->hasSetPixel(5, 5));
        // A window left open for an hour: the count stops at its limit.
        CompteTics = 32766;
        d->Timer1_Timer();
        d->Timer1_Timer();
        QCOMPARE(CompteTics, int16_t(32767));
    }

    void departementViews_data()
    {
        QTest::addColumn<int>("vue");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<QString>("legende");
        QTest::newRow("0") << 0 << u"GeomiraA2.gif"_s << 7600 << u"Region et n° département"_s;
        QTest::newRow("1") << 1 << u"GeomiraR5.gif"_s << 8000 << u"Département"_s;
        QTest::newRow("2") << 2 << u"GeomiraR4.gif"_s << 8200 << u"Complète"_s;
    }
    void departementViews()
    {
        QFETCH(int, vue);
        QFETCH(QString, image);
        QFETCH(int, largeur);
        QFETCH(QString, legende);
        ecritPixels(u"D2.dat"_s, {{30, 40, 2}});
        fake->pictures.missing << image;  // a missing picture leaves the map blank
        DidacDept* d = ouvreDept();
        QCOMPARE(d->Carte[vue]->text(), legende);
        d->plus->click();  // the view changed before the redraw paints
        d->Carte[vue]->setChecked(true);
        d->Timer1_Timer();
        QCOMPARE(derniereImage(), image);
        QCOMPARE(d->Picture1->width(), platform::tw(largeur));
        QVERIFY(!d->Picture1->hasSetPixel(30, 40));
        for (QWidget* w : std::initializer_list<QWidget*>{d->ComboD[0], d->ComboD[4], d->moins, d->plus, d->Reg,
                                                          d->Label2, d->Label8, d->Evol})
            QVERIFY(w->isHidden());
        QVERIFY(!d->Stop->isHidden());
        // Back to "Test": the lists come back and the selected item is painted again.
        d->Carte[3]->setChecked(true);
        QCOMPARE(d->Picture1->width(), platform::tw(7095));
        QVERIFY(!d->ComboD[0]->isHidden() && !d->Evol->isHidden());
        QVERIFY(peint(d->Picture1, 30, 40));
    }

    void stopShowsAFreshHub()
    {
        ecritPixels(u"R2.dat"_s, {{60, 70, 33}});
        DidacDept* d = ouvreDept();
        QCOMPARE(d->findChildren<QPushButton*>().front(), d->Stop);  // the navigation tests press the first button
        d->plus->click();  // left within the redraw delay
        d->Stop->click();
        QVERIFY(!win::DidacDept.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));
        // Leaving the région tutorial closes the coats of arms it opened.
        win::Sommaire.Unload();
        DidacReg* r = ouvreReg();
        r->Timer1_Timer();
        QVERIFY(!r->Picture1->hasSetPixel(60, 70));  // département 2's pending paint is not this map's
        QCOMPARE(r->findChildren<QPushButton*>().front(), r->Stop);
        r->Image1_Click();
        QVERIFY(win::Blasons.isVisible());
        r->Stop->click();
        QVERIFY(!win::Blasons.isLoaded());
        QVERIFY(!win::DidacReg.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));  // the sound switch is the hub's again
    }

    // ------------------------------------------------------------ région tutorial

    void regionTutorialOpensOnAlsace()
    {
        ecritPixels(u"R1.dat"_s, {{300, 100, 67}});
        DidacReg* r = ouvreReg();
        QVERIFY(r->closeBoxRemoved());
        QVERIFY(r->ComboD[0]->isHidden());
        const QStringList listes{u"  1"_s, u"Alsace"_s, u"Strasbourg"_s, u" 8 280 km²"_s, u" 1 734 145 hab"_s};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(r->ComboD[k]->text(), listes[k]);
        QCOMPARE(items(r->ComboD[5]), (QStringList{u" 67 : Bas Rhin"_s, u" 68 : Haut Rhin"_s}));
        QCOMPARE(r->ComboD[5]->text(), u" 67 : Bas Rhin"_s);
        QCOMPARE(r->Label2->text(), u"Alsace"_s);
        QCOMPARE(derniereImage(), u"Alsace.gif"_s);
        QVERIFY(!r->Image1->pixmap().isNull());
        QCOMPARE(EtatSon, int16_t(5));
        QCOMPARE(r->nbh99->text(), u"209,4 en 1999"_s);
        QCOMPARE(r->nbh90->text(), u"196,2 en 1990"_s);
        QCOMPARE(r->pop90->text(), u" 1 624 372 hab"_s);
        QCOMPARE(r->Evol->text(), u" POSITIVE de 6,76 %"_s);
        QCOMPARE(r->Evol->palette().color(QPalette::Base), kBleu);
        QVERIFY(peint(r->Picture1, 300, 100));
        QVERIFY(r->Timer2->isActive());
    }

    void pickingADepartementOfTheRegionChangesNothing()
    {
        DidacReg* r = ouvreReg();
        fake->pictures.loaded.clear();
        choisit(r->ComboD[5], u" 68 : Haut Rhin"_s);
        QCOMPARE(EtatSon, int16_t(5));
        QCOMPARE(r->ComboD[1]->text(), u"Alsace"_s);
        QVERIFY(fake->pictures.loaded.isEmpty());
    }

    void regionViews_data()
    {
        QTest::addColumn<int>("vue");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<bool>("listes");
        QTest::addColumn<bool>("point");
        QTest::addColumn<double>("taille");
        QTest::newRow("0") << 0 << u"GeomiraA1.gif"_s << 7550 << u"Région en couleur"_s << true << true << 9.0;
        QTest::newRow("1") << 1 << u"GeomiraA2.gif"_s << 7550 << u"Région et n° département"_s << true << true << 9.0;
        QTest::newRow("2") << 2 << u"GeomiraR4.gif"_s << 8200 << u"Complète"_s << false << false << 0.0;
        QTest::newRow("3") << 3 << u"GeomiraRegV.gif"_s << 7095 << u"Test"_s << true << false << 10.0;
    }
    void regionViews()
    {
        QFETCH(int, vue);
        QFETCH(QString, image);
        QFETCH(int, largeur);
        QFETCH(QString, legende);
        QFETCH(bool, listes);
        QFETCH(bool, point);
        QFETCH(double, taille);
        ecritPixels(u"R5.dat"_s, {{60, 70, 35}});
        DidacReg* r = ouvreReg();
        r->Carte[vue == 2 ? 0 : 2]->setChecked(true);
        choisit(r->ComboD[1], u"Bretagne"_s);
        r->Timer1_Timer();
        QVERIFY(!r->Picture1->hasSetPixel(60, 70));  // only the "Test" view is painted
        r->Carte[vue]->setChecked(true);
        QCOMPARE(r->Carte[vue]->text(), legende);
        QCOMPARE(derniereImage(), image);
        QCOMPARE(r->Picture1->width(), platform::tw(largeur));
        for (QWidget* w : std::initializer_list<QWidget*>{r->ComboD[1], r->ComboD[5], r->Image1, r->moins, r->plus,
                                                          r->Label2, r->Label6, r->Evol})
            QCOMPARE(w->isHidden(), !listes);
        QVERIFY(r->ComboD[0]->isHidden());
        QCOMPARE(r->PtsClig->isHidden(), !point);
        if (listes) {
            QCOMPARE(r->Label9->font().pointSizeF(), taille);
            QCOMPARE(r->moins->x(), platform::tw(8160));
            QCOMPARE(r->plus->x(), platform::tw(8400));
        }
        QCOMPARE(r->Picture1->hasSetPixel(60, 70), vue == 3);
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
            QCOMPARE(CompteTics2, int16_t(tick));
        }
        const QPoint rennes(platform::tw(950), platform::tw(1920));
        QCOMPARE(r->PtsClig->pos(), rennes);
        r->Timer2_Timer();
        QVERIFY(!r->PtsClig->isHidden());
        QVERIFY(!r->Timer2->isActive());
        QCOMPARE(CompteTics2, int16_t(0));

        // Selected in "Test", the blink waits until a coloured view is chosen.
        r->Carte[3]->setChecked(true);
        choisit(r->ComboD[1], u"Rhône-Alpes"_s);
        QVERIFY(r->Timer2->isActive());
        r->Timer2_Timer();
        r->Timer2_Timer();
        QCOMPARE(CompteTics2, int16_t(0));
        QCOMPARE(r->PtsClig->pos(), rennes);
        r->Carte[1]->setChecked(true);
        r->Timer2_Timer();
        QCOMPARE(CompteTics2, int16_t(1));
        QCOMPARE(r->PtsClig->pos(), QPoint(platform::tw(5300), platform::tw(4250)));  // Lyon
    }

    void missingRegionPictureIsHarmless()
    {
        fake->pictures.missing << u"Alsace.gif"_s << u"Corse.gif"_s;
        DidacReg* r = ouvreReg();
        QVERIFY(r->Image1->pixmap().isNull());
        choisit(r->ComboD[1], u"Corse"_s);
        QVERIFY(r->Image1->pixmap().isNull());
        choisit(r->ComboD[1], u"Bretagne"_s);
        QVERIFY(!r->Image1->pixmap().isNull());
    }

    // ------------------------------------------------------------ coats of arms

    void coatOfArmsChoosesTheRegion_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QString>("numero");
        QTest::newRow("Alsace") << 0 << int(Qt::LeftButton) << u"  1"_s;
        QTest::newRow("Franche-Comté") << 8 << int(Qt::LeftButton) << u"  9"_s;
        QTest::newRow("Ile de France") << 9 << int(Qt::LeftButton) << u" 10"_s;
        QTest::newRow("Rhône-Alpes") << 21 << int(Qt::LeftButton) << u" 22"_s;
        QTest::newRow("middle button") << 15 << int(Qt::MiddleButton) << u" 16"_s;
    }
    void coatOfArmsChoosesTheRegion()
    {
        QFETCH(int, index);
        QFETCH(int, bouton);
        QFETCH(QString, numero);
        DidacReg* r = ouvreReg();
        r->plus->click();  // start from another région
        QTest::mouseClick(r->Image1, Qt::LeftButton);
        Blasons* b = win::Blasons.ifLoaded();
        QVERIFY(b && b->isVisible() && b->closeBoxRemoved());
        QTest::mouseClick(b->Blason[index], Qt::MouseButton(bouton));
        testkit::flushDeletes();
        QVERIFY(!win::Blasons.isLoaded());
        QVERIFY(win::DidacReg.isVisible() && !win::Sommaire.isLoaded());
        QCOMPARE(r->ComboD[0]->text(), numero);
        QCOMPARE(r->ComboD[1]->text(), NomRegion[index + 1]);
        QCOMPARE(r->Label2->text(), NomRegion[index + 1]);
        QCOMPARE(EtatSon, int16_t(5));
    }

    void rightClickFramesAndNames()
    {
        ouvreReg();
        win::Blasons.Show();
        Blasons* b = win::Blasons.ifLoaded();
        QCOMPARE(b->Label1->text(), QString());
        for (const auto& [choisi, nom] : {std::pair{15, u"Basse Normandie"_s}, std::pair{20, u"Provence-Alpes-Côte d'Azur"_s}}) {
            QTest::mouseClick(b->Blason[choisi], Qt::RightButton);
            QCOMPARE(b->Label1->text(), nom);
            for (int i = 0; i < 22; ++i)
                QCOMPARE(b->Blason[i]->frameShape(), i == choisi ? QFrame::Box : QFrame::NoFrame);
        }
        QVERIFY(win::Blasons.isLoaded());
        QCOMPARE(win::DidacReg.ifLoaded()->ComboD[1]->text(), u"Alsace"_s);
    }

    // Alone, without the folder's pictures: the coats of arms are the window's own; a choice only closes it.
    void coatsOfArmsStandAlone()
    {
        for (int n = 1; n <= 22; ++n)
            fake->pictures.missing << ImageRegion(n);
        win::Blasons.Show();
        for (const ImageBlason* blason : win::Blasons->Blason) {
            const QImage image = blason->pixmap().toImage();
            QVERIFY(!image.isNull() && image.pixel(0, 0) != image.pixel(image.rect().center()));  // not a plain box
        }
        const int loads = win::DidacReg.loadCount();
        QTest::mouseClick(win::Blasons->Blason[4], Qt::LeftButton);
        QVERIFY(!win::Blasons.isLoaded());
        QVERIFY(!win::DidacReg.isLoaded());
        QCOMPARE(win::DidacReg.loadCount(), loads);
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

        DidacDept* d = ouvreDept();
        QTest::mouseClick(d->Picture1, Qt::LeftButton, {}, QPoint(p.x, p.y));
        QCOMPARE(d->ComboD[0]->text(), TexteNumeroDep(dep));
        d->Timer1_Timer();
        for (const PointCarte& q : points)
            QVERIFY(peint(d->Picture1, q.x, q.y));
        win::DidacDept.Unload();

        DidacReg* r = ouvreReg();
        QTest::mouseClick(r->Picture1, Qt::LeftButton, {}, QPoint(p.x, p.y));
        QCOMPARE(r->ComboD[0]->text(), TexteNumero(NumRegionDep[dep]));
        r->Timer1_Timer();
        QVERIFY(peint(r->Picture1, p.x, p.y));
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

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("GEOMIRA_SCREENSHOTS"))
            QSKIP("GEOMIRA_SCREENSHOTS not set");
        // The application folder's pictures and the generated pixel files together.
        for (const QString& dossier : {qEnvironmentVariable("GEOMIRA_APP_DIR"), dossierPixels()})
            for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files))
                if (!dossier.isEmpty())
                    QFile::link(f.absoluteFilePath(), platform::appFile(f.fileName()));
        DidacDept* d = ouvreDept();
        choisit(d->ComboD[1], u"Alpes de Haute Provence"_s);
        d->Timer1_Timer();
        testkit::screenshot(d, u"didacdept_test"_s);
        win::DidacDept.Unload();
        DidacReg* r = ouvreReg();
        choisit(r->ComboD[1], u"Provence-Alpes-Côte d'Azur"_s);
        for (int vue : {3, 0, 2}) {
            r->Carte[vue]->setChecked(true);
            r->Timer1_Timer();
            testkit::screenshot(r, u"didacreg_vue%1"_s.arg(vue));
        }
        r->Image1_Click();
        QTest::mouseClick(win::Blasons->Blason[20], Qt::RightButton);
        testkit::screenshot(win::Blasons.ifLoaded(), u"blasons"_s);
    }
};

QTEST_MAIN(TestMapTutorials)
#include "tst_map_tutorials.moc"
