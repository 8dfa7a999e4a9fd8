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
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QColor kVert(0, 235, 0);

bool peint(MapBox* carte, int x, int y) { return carte->hasSetPixel(x, y) && carte->colorAt(x, y) == kVert; }

// The user's pick of an item in a list.
void choisit(ListeDeroulante* liste, const QString& texte)
{
    const int index = liste->findText(texte);
    QVERIFY2(index >= 0, qPrintable(texte));
    liste->setCurrentIndex(index);
}

// Texts of the lists 1 to 4 of each tutorial, by list.
const std::array<QString, 98>* const kListesDep[5] = {nullptr, &NomDep, &PrefDep, &SuperfDep, &Pop99Dep};
const std::array<QString, 24>* const kListesReg[5] = {nullptr, &NomRegion, &PrefRegion, &SuperfRegion, &Pop99Region};
QString texteDeListe(int k, int d) { return k == 0 ? TexteNumeroDep(d) : (*kListesDep[k])[d]; }
QString texteDeListeRegion(int k, int r) { return (*kListesReg[k])[r]; }

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

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init()
    {
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
        QCOMPARE(choix, 0);
        liste.setText(u" 12"_s);
        QCOMPARE(choix, 1);
        liste.setText(u" 12"_s);  // already chosen
        liste.setText(u"12"_s);   // no such item
        QCOMPARE(choix, 1);
        QCOMPARE(liste.text(), u" 12"_s);
        liste.Clear();
        QCOMPARE(choix, 1);
        QCOMPARE(liste.text(), QString());
    }

    // ------------------------------------------------------------ département tutorial

    void departementTutorialOpensOnAin()
    {
        ecritPixels(u"D1.dat"_s, {{30, 40, 1}, {31, 40, 1}});
        DidacDept* d = ouvreDept();
        QVERIFY(d->isVisible());
        QVERIFY(d->closeBoxRemoved());
        QVERIFY(d->Carte[3]->isChecked());
        QCOMPARE(d->ComboD[0]->text(), u"  1"_s);
        QCOMPARE(d->ComboD[1]->text(), u"Ain"_s);
        QCOMPARE(d->ComboD[2]->text(), u"Bourg en Bresse"_s);
        QCOMPARE(d->ComboD[3]->text(), u" 5 762 km²"_s);
        QCOMPARE(d->ComboD[4]->text(), u"  515 270 hab"_s);
        QCOMPARE(d->Reg->text(), u"Rhône-Alpes"_s);
        QCOMPARE(d->Label2->text(), u"Ain"_s);
        QCOMPARE(d->nbh99->text(), u"89,4 en 1999"_s);
        QCOMPARE(d->nbh90->text(), u"81,7 en 1990"_s);
        QCOMPARE(d->pop90->text(), u"  471 019 hab"_s);
        QCOMPARE(d->Evol->text(), u" POSITIVE de 9,39 %"_s);
        QCOMPARE(d->Evol->palette().color(QPalette::Base), QColor(0, 0, 255));
        QCOMPARE(EtatSon, int16_t(5));
        QVERIFY(peint(d->Picture1, 30, 40) && peint(d->Picture1, 31, 40));
        QCOMPARE(QFileInfo(fake->pictures.loaded.value(0)).fileName(), u"GeomiraDepV.gif"_s);

        // The number list in its sorted order, 96 items.
        const QStringList numeros = items(d->ComboD[0]);
        QCOMPARE(numeros.size(), 96);
        QCOMPARE(numeros.mid(27, 4), (QStringList{u" 29"_s, u" 2A"_s, u" 2B"_s, u" 30"_s}));
        QCOMPARE(numeros.indexOf(u" 19"_s) + 1, numeros.indexOf(u" 21"_s));
        for (int k = 1; k < 5; ++k)
            QCOMPARE(d->ComboD[k]->count(), 96);
    }

    void departementPickedInAnyList_data()
    {
        QTest::addColumn<int>("liste");
        QTest::addColumn<int>("dep");
        QTest::addColumn<QString>("densite99");
        QTest::addColumn<QString>("evolution");
        for (int k = 0; k < 5; ++k) {
            const QByteArray n = QByteArray::number(k);
            QTest::newRow("Creuse, list " + n) << k << 23 << QString() << u" NEGATIVE de -5,24 %"_s;
            QTest::newRow("Corse du Sud, list " + n) << k << 96 << QString() << u" NEGATIVE de -0,18 %"_s;
            QTest::newRow("Haute Corse, list " + n) << k << 20 << QString() << QString();
            QTest::newRow("Nièvre, list " + n) << k << 58 << u"33 en 1999"_s << QString();
            QTest::newRow("Paris, list " + n) << k << 75 << u"20240,4 en 1999"_s << QString();
            QTest::newRow("Aube, list " + n) << k << 10 << QString() << QString();
        }
    }
    void departementPickedInAnyList()
    {
        QFETCH(int, liste);
        QFETCH(int, dep);
        QFETCH(QString, densite99);
        QFETCH(QString, evolution);
        ecritPixels(u"D"_s + QString::number(dep) + u".dat"_s, {{100, 120, dep}});
        DidacDept* d = ouvreDept();
        choisit(d->ComboD[liste], texteDeListe(liste, dep));

        for (int k = 0; k < 5; ++k)
            QCOMPARE(d->ComboD[k]->text(), texteDeListe(k, dep));
        QCOMPARE(d->Reg->text(), RegionDep[dep]);
        QCOMPARE(d->pop90->text(), Pop90Dep[dep]);
        if (!densite99.isEmpty())
            QCOMPARE(d->nbh99->text(), densite99);
        if (!evolution.isEmpty()) {
            QCOMPARE(d->Evol->text(), evolution);
            QCOMPARE(d->Evol->palette().color(QPalette::Base), QColor(255, 0, 0));
            QCOMPARE(d->Evol->palette().color(QPalette::Text), QColor(255, 255, 0));
        }
        QCOMPARE(EtatSon, int16_t(5));
        // Handed to the map: titled at once, erased, painted at the next tick.
        QCOMPARE(d->Label2->text(), NomDep[dep]);
        QCOMPARE(NumAffiche, int16_t(dep));
        QCOMPARE(CompteTics, int16_t(1));
        QVERIFY(!d->Picture1->hasSetPixel(100, 120));
        d->Timer1_Timer();
        QVERIFY(peint(d->Picture1, 100, 120));
        d->Timer1_Timer();  // later ticks paint nothing more
        QCOMPARE(CompteTics, int16_t(3));

        // The next change is handled as usual: the counter is back at 5.
        choisit(d->ComboD[1], u"Ain"_s);
        QCOMPARE(d->ComboD[0]->text(), u"  1"_s);
        QCOMPARE(d->ComboD[4]->text(), u"  515 270 hab"_s);
        QCOMPARE(d->Label2->text(), u"Ain"_s);
    }

    void departementStepping()
    {
        DidacDept* d = ouvreDept();
        const QStringList ordre = items(d->ComboD[0]);
        for (int i = 1; i < ordre.size(); ++i) {
            d->plus->click();
            QCOMPARE(d->ComboD[0]->text(), ordre.at(i));
            QCOMPARE(d->ComboD[1]->text(), NomDep[IndexNumero(ordre.at(i))]);
            QCOMPARE(d->Label2->text(), d->ComboD[1]->text());
            QCOMPARE(EtatSon, int16_t(5));
        }
        // At the ends the buttons do nothing at all.
        const QString figures = d->nbh99->text();
        EtatSon = 5;
        d->plus->click();
        QCOMPARE(d->ComboD[0]->text(), u" 95"_s);
        QCOMPARE(EtatSon, int16_t(5));
        QCOMPARE(d->nbh99->text(), figures);
        for (int i = ordre.size() - 2; i >= 0; --i) {
            d->moins->click();
            QCOMPARE(d->ComboD[0]->text(), ordre.at(i));
            QCOMPARE(d->ComboD[2]->text(), PrefDep[IndexNumero(ordre.at(i))]);
        }
        d->moins->click();
        QCOMPARE(d->ComboD[0]->text(), u"  1"_s);
        QCOMPARE(EtatSon, int16_t(5));
    }

    void departementMapClick_data()
    {
        QTest::addColumn<int>("dep");
        QTest::addColumn<QString>("numero");
        QTest::newRow("Corse du Sud") << 96 << u" 2A"_s;
        QTest::newRow("Haute Corse") << 20 << u" 2B"_s;
        QTest::newRow("Aube") << 10 << u" 10"_s;
        QTest::newRow("Ain") << 1 << u"  1"_s;
    }
    void departementMapClick()
    {
        QFETCH(int, dep);
        QFETCH(QString, numero);
        // Column 150 lists two pixels; the clicked one belongs to dep.
        ecritPixels(u"F150.dat"_s, {{150, 60, 5}, {150, 61, dep}});
        ecritPixels(u"D"_s + QString::number(dep) + u".dat"_s, {{150, 61, dep}});
        DidacDept* d = ouvreDept();
        if (dep == 1)
            d->plus->click();  // start from another département
        d->Picture1_MouseMove(0, 0, 150 * 15 + 7, 61 * 15);
        d->Picture1_Click();
        QCOMPARE(DepTrouve, int16_t(1));
        QCOMPARE(DepClique, int16_t(dep));
        QCOMPARE(NomDepClique, NomDep[dep]);
        QCOMPARE(d->ComboD[0]->text(), numero);
        QCOMPARE(d->ComboD[1]->text(), NomDep[dep]);
        QCOMPARE(d->Label2->text(), NomDep[dep]);
        d->Timer1_Timer();
        QVERIFY(peint(d->Picture1, 150, 61));

        // Clicking the département shown again changes nothing, and the next
        // pick in another list is followed as usual.
        d->Picture1_Click();
        QCOMPARE(EtatSon, int16_t(5));
        QVERIFY(peint(d->Picture1, 150, 61));
        choisit(d->ComboD[2], u"Laon"_s);
        QCOMPARE(d->ComboD[0]->text(), u"  2"_s);
        QCOMPARE(d->ComboD[1]->text(), u"Aisne"_s);
        QCOMPARE(d->Label2->text(), u"Aisne"_s);
    }

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
        d->Picture1_MouseMove(0, 0, float(x * 15), float(y * 15));
        d->Picture1_Click();
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
        ecritPixels(u"D1.dat"_s, {{30, 40, 1}});
        fake->pictures.missing << image;  // a missing picture leaves the map blank
        DidacDept* d = ouvreDept();
        QCOMPARE(d->Carte[vue]->text(), legende);
        d->Carte[vue]->setChecked(true);
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

    void departementStopShowsAFreshHub()
    {
        DidacDept* d = ouvreDept();
        QCOMPARE(d->findChildren<QPushButton*>().front(), d->Stop);  // the navigation tests press the first button
        DidacReg* r = ouvreReg();
        QCOMPARE(r->findChildren<QPushButton*>().front(), r->Stop);
        win::DidacReg.Unload();
        d->Stop->click();
        QVERIFY(!win::DidacDept.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));
    }

    // ------------------------------------------------------------ région tutorial

    void regionTutorialOpensOnAlsace()
    {
        ecritPixels(u"R1.dat"_s, {{300, 100, 67}});
        DidacReg* r = ouvreReg();
        QVERIFY(r->closeBoxRemoved());
        QVERIFY(r->ComboD[0]->isHidden());
        QCOMPARE(r->moins->x(), platform::tw(8160));
        QCOMPARE(r->plus->x(), platform::tw(8400));
        QCOMPARE(r->ComboD[0]->text(), u"  1"_s);
        QCOMPARE(r->ComboD[1]->text(), u"Alsace"_s);
        QCOMPARE(r->ComboD[2]->text(), u"Strasbourg"_s);
        QCOMPARE(r->ComboD[3]->text(), u" 8 280 km²"_s);
        QCOMPARE(r->ComboD[4]->text(), u" 1 734 145 hab"_s);
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
        QCOMPARE(r->Evol->palette().color(QPalette::Base), QColor(0, 0, 255));
        QVERIFY(peint(r->Picture1, 300, 100));
        QVERIFY(r->Timer2->isActive());
        QCOMPARE(r->Label1->font().pointSizeF(), 10.0);
    }

    void regionPickedInAnyList_data()
    {
        QTest::addColumn<int>("liste");
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("densite90");
        QTest::addColumn<QString>("densite99");
        QTest::addColumn<QString>("evolution");
        QTest::addColumn<QStringList>("departements");
        const QStringList corse{u"2B : Corse du Nord"_s, u"2A : Corse du Sud"_s};
        const QStringList rhoneAlpes{u" 1 : Ain"_s, u" 7 : Ardèche"_s, u" 26 : Drôme"_s, u" 38 : Isère"_s,
                                     u" 42 : Loire"_s, u" 69 : Rhône"_s, u" 73 : Savoie"_s, u" 74 : Haute Savoie"_s};
        for (int k = 1; k <= 4; ++k) {
            const QByteArray n = QByteArray::number(k);
            QTest::newRow("Auvergne, list " + n) << k << 3 << QString() << QString() << u" NEGATIVE de -0,93 %"_s
                                                 << QStringList();
            QTest::newRow("Champagne-Ardenne, list " + n) << k << 7 << QString() << QString()
                                                          << u" NEGATIVE de -0,41 %"_s << QStringList();
            QTest::newRow("Limousin, list " + n) << k << 12 << QString() << QString() << u" NEGATIVE de -1,65 %"_s
                                                 << QStringList();
            QTest::newRow("Bourgogne, list " + n) << k << 4 << u"51 en 1990"_s << u"51 en 1999"_s << QString()
                                                  << QStringList();
            QTest::newRow("Corse, list " + n) << k << 8 << QString() << u"30 en 1999"_s << QString() << corse;
            QTest::newRow("Rhône-Alpes, list " + n) << k << 22 << QString() << QString() << QString() << rhoneAlpes;
            QTest::newRow("Bretagne, list " + n) << k << 5 << QString() << QString() << QString() << QStringList();
        }
    }
    void regionPickedInAnyList()
    {
        QFETCH(int, liste);
        QFETCH(int, region);
        QFETCH(QString, densite90);
        QFETCH(QString, densite99);
        QFETCH(QString, evolution);
        QFETCH(QStringList, departements);
        ecritPixels(u"R"_s + QString::number(region) + u".dat"_s, {{200, 210, 1}});
        DidacReg* r = ouvreReg();
        CompteTics2 = 7;
        platform::setTimerEnabled(r->Timer2, false);
        choisit(r->ComboD[liste], texteDeListeRegion(liste, region));

        QCOMPARE(r->ComboD[0]->text(), TexteNumero(region));
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(r->ComboD[k]->text(), texteDeListeRegion(k, region));
        QCOMPARE(r->pop90->text(), Pop90Region[region]);
        if (!densite90.isEmpty())
            QCOMPARE(r->nbh90->text(), densite90);
        if (!densite99.isEmpty())
            QCOMPARE(r->nbh99->text(), densite99);
        if (!evolution.isEmpty()) {
            QCOMPARE(r->Evol->text(), evolution);
            QCOMPARE(r->Evol->palette().color(QPalette::Base), QColor(255, 0, 0));
        }
        if (!departements.isEmpty())
            QCOMPARE(items(r->ComboD[5]), departements);
        for (int i = 0; i < r->ComboD[5]->count(); ++i)
            QCOMPARE(NumRegionDep[IndexNumero(r->ComboD[5]->itemText(i).section(u':', 0, 0).trimmed().prepend(u' '))],
                     int16_t(region));
        QCOMPARE(r->ComboD[5]->listIndex(), -1);  // the new région's départements, none chosen
        QCOMPARE(r->Label2->text(), NomRegion[region]);
        QCOMPARE(int(Tirage), region);
        QCOMPARE(derniereImage(), ImageRegion(region));
        QCOMPARE(CompteTics2, int16_t(0));
        QVERIFY(r->Timer2->isActive());
        QCOMPARE(EtatSon, int16_t(5));
        QCOMPARE(NumAffiche, int16_t(region));
        r->Timer1_Timer();
        QVERIFY(peint(r->Picture1, 200, 210));
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

    void regionStepping_data()
    {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("arrivee");
        QTest::newRow("+ from 9") << u"  9"_s << true << u" 10"_s;
        QTest::newRow("- from 10") << u" 10"_s << false << u"  9"_s;
        QTest::newRow("- from 22") << u" 22"_s << false << u" 21"_s;
        QTest::newRow("+ from 1") << u"  1"_s << true << u"  2"_s;
        QTest::newRow("+ at 22") << u" 22"_s << true << u" 22"_s;
        QTest::newRow("- at 1") << u"  1"_s << false << u"  1"_s;
    }
    void regionStepping()
    {
        QFETCH(QString, depart);
        QFETCH(bool, plus);
        QFETCH(QString, arrivee);
        DidacReg* r = ouvreReg();
        r->ComboD[0]->setText(depart);
        QCOMPARE(r->ComboD[1]->text(), NomRegion[IndexNumero(depart)]);
        fake->pictures.loaded.clear();
        (plus ? r->plus : r->moins)->click();
        const int region = IndexNumero(arrivee);
        QCOMPARE(r->ComboD[0]->text(), arrivee);
        QCOMPARE(r->ComboD[1]->text(), NomRegion[region]);
        QCOMPARE(r->Label2->text(), NomRegion[region]);
        QCOMPARE(EtatSon, int16_t(5));
        if (arrivee == depart) {
            QVERIFY(fake->pictures.loaded.isEmpty());
        } else {
            QCOMPARE(int(Tirage), region);
            QCOMPARE(derniereImage(), ImageRegion(region));
        }
    }

    void regionMapClick_data()
    {
        QTest::addColumn<int>("dep");
        QTest::addColumn<QString>("numero");
        QTest::newRow("Ille et Vilaine, Bretagne") << 35 << u"  5"_s;
        QTest::newRow("Rhône, Rhône-Alpes") << 69 << u" 22"_s;
        QTest::newRow("Corse du Sud, Corse") << 96 << u"  8"_s;
    }
    void regionMapClick()
    {
        QFETCH(int, dep);
        QFETCH(QString, numero);
        ecritPixels(u"F40.dat"_s, {{40, 50, dep}});
        DidacReg* r = ouvreReg();
        r->Picture1_MouseMove(0, 0, 40 * 15, 50 * 15);
        r->Picture1_Click();
        QCOMPARE(r->ComboD[0]->text(), numero);
        QCOMPARE(r->ComboD[1]->text(), NomRegion[IndexNumero(numero)]);
        QCOMPARE(DepClique, int16_t(dep));
        // In "Complète" the same click selects nothing.
        r->Carte[2]->setChecked(true);
        r->ComboD[0]->setText(u"  1"_s);
        r->Picture1_Click();
        QCOMPARE(r->ComboD[0]->text(), u"  1"_s);
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
        QCOMPARE(r->PtsClig->pos(), QPoint(platform::tw(950), platform::tw(1920)));  // Rennes
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
        QCOMPARE(r->PtsClig->pos(), QPoint(platform::tw(950), platform::tw(1920)));
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
        if (index == 0)
            r->plus->click();  // start from another région
        QTest::mouseClick(r->Image1, Qt::LeftButton);
        Blasons* b = win::Blasons.ifLoaded();
        QVERIFY(b && b->isVisible());
        QVERIFY(b->closeBoxRemoved());
        QTest::mouseClick(b->Blason[index], Qt::MouseButton(bouton));
        testkit::flushDeletes();
        QVERIFY(!win::Blasons.isLoaded());
        QVERIFY(win::DidacReg.isVisible());
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
        QTest::mouseClick(b->Blason[15], Qt::RightButton);
        QCOMPARE(b->Label1->text(), u"Basse Normandie"_s);
        QTest::mouseClick(b->Blason[20], Qt::RightButton);
        QCOMPARE(b->Label1->text(), u"Provence-Alpes-Côte d'Azur"_s);
        for (int i = 0; i < 22; ++i)
            QCOMPARE(b->Blason[i]->frameShape(), i == 20 ? QFrame::Box : QFrame::NoFrame);
        QVERIFY(win::Blasons.isLoaded());
        QCOMPARE(win::DidacReg.ifLoaded()->ComboD[1]->text(), u"Alsace"_s);
    }

    void leavingTheRegionTutorialClosesTheCoatsOfArms()
    {
        DidacReg* r = ouvreReg();
        r->Image1_Click();
        QVERIFY(win::Blasons.isVisible());
        r->Stop->click();
        QVERIFY(!win::Blasons.isLoaded());
        QVERIFY(!win::DidacReg.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));  // the sound switch is the hub's again
    }

    void coatsOfArmsAloneOnlyClose()
    {
        win::Blasons.Show();
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

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("GEOMIRA_SCREENSHOTS"))
            QSKIP("GEOMIRA_SCREENSHOTS not set");
        // The application folder's pictures and the generated pixel files together.
        const QString appDir = qEnvironmentVariable("GEOMIRA_APP_DIR");
        const QString pixels = dossierPixels();
        for (const QString& dossier : {appDir, pixels}) {
            if (dossier.isEmpty())
                continue;
            for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files))
                QFile::link(f.absoluteFilePath(), platform::appFile(f.fileName()));
        }
        DidacDept* d = ouvreDept();
        choisit(d->ComboD[1], u"Alpes de Haute Provence"_s);
        d->Timer1_Timer();
        testkit::screenshot(d, u"didacdept_test"_s);
        d->Carte[0]->setChecked(true);
        testkit::screenshot(d, u"didacdept_vue0"_s);
        win::DidacDept.Unload();

        DidacReg* r = ouvreReg();
        choisit(r->ComboD[1], u"Provence-Alpes-Côte d'Azur"_s);
        r->Timer1_Timer();
        testkit::screenshot(r, u"didacreg_test"_s);
        r->Carte[0]->setChecked(true);
        r->Timer2_Timer();
        r->Timer2_Timer();
        testkit::screenshot(r, u"didacreg_vue0"_s);
        r->Carte[2]->setChecked(true);
        testkit::screenshot(r, u"didacreg_vue2"_s);
        r->Image1_Click();
        QTest::mouseClick(win::Blasons->Blason[20], Qt::RightButton);
        testkit::screenshot(win::Blasons.ifLoaded(), u"blasons"_s);
    }
};

QTEST_MAIN(TestMapTutorials)
#include "tst_map_tutorials.moc"
