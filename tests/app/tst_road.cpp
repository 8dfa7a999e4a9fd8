// The whole road through the real windows: start-up, first launch unpacking the
// real data archive, a game played on its files, its report, and back to a fresh hub.
#include "app/Geomira.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "platform/Conversions.h"
#include "platform/FileSystem.h"
#include "quiz/CarteDep.h"
#include "quiz/PixelFile.h"
#include "quiz/QuizState.h"
#include "quiz/Tables.h"
#include "testkit/FakePlatform.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::FakePlatform> fake;
    QTemporaryDir folder;

    // Picks a game in the chooser with its settings, then "Jouer !".
    CarteDep* joue(int jeu, int niveau, bool limite, const QString& secondes, int questions)
    {
        Menu* menu = win::Menu.ifLoaded();
        QTreeWidgetItem* item = menu->ListView1->topLevelItem(jeu - 1);
        menu->ListView1->setCurrentItem(item);
        menu->ListView1_Click();
        menu->Niveau[niveau]->click();
        menu->Tps[limite ? 1 : 0]->click();
        if (limite)
            menu->Sec->setText(secondes);
        menu->NbQuest[0]->click();
        menu->ListNbQ->setCurrentIndex(questions - 1);
        menu->JoueOK->click();
        return win::CarteDep.ifLoaded();
    }

    void tape(CarteDep* c, const QString& text)
    {
        c->Rep->setText(text);
        QTest::keyClick(c->Rep, Qt::Key_Return);
    }

    // Moves the mouse over a map pixel and clicks it.
    static void clique(CarteDep* c, QPoint pixel)
    {
        c->Picture1_MouseMove(0, 0, float(pixel.x() * 15), float(pixel.y() * 15));
        c->Picture1_Click();
    }

    static QPoint pixelDe(int departement)
    {
        const auto points = LitPointsCarte(FichierPixels('D', departement), false);
        const PointCarte& p = points.at(points.size() / 2);
        return QPoint(p.x, p.y);
    }

private slots:
    void initTestCase()
    {
        fake = std::make_unique<testkit::FakePlatform>();
        platform::setAppPath(folder.path());
        const QString archive = QDir(qEnvironmentVariable("GEOMIRA_APP_DIR")).filePath(u"Geomira.zip"_s);
        QVERIFY2(QFile::copy(archive, platform::appFile(u"Geomira.zip"_s)), qPrintable(archive));
        platform::setLastWindowUnloadedHandler(nullptr);
    }
    void cleanupTestCase()
    {
        win::UnloadAll();
        testkit::flushDeletes();
        platform::setAppPath(QString());
    }

    void gameOneFromStartUpToTheReport()
    {
        win::Geomira.Show();
        QTest::mouseClick(win::Geomira->Label3, Qt::LeftButton);
        QVERIFY(win::Sommaire.isVisible());
        win::Sommaire->Horloge->click();  // sound off: the next hub turns it on again
        QCOMPARE(EtatSon, int16_t(1));

        // First launch: the real archive is unpacked into the application folder.
        win::Sommaire->Play->click();
        QVERIFY(win::Menu.isVisible());

        // Game 1, easy, 30 seconds, 10 questions.
        const int drawn[10] = {1, 20, 33, 75, 69, 13, 29, 96, 59, 2};
        for (int n : drawn)
            fake->random.values.push_back((n - 0.5) / 96);
        fake->dialogs.boxes.clear();
        CarteDep* c = joue(1, 0, true, u"30"_s, 10);
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->Temps->Max(), 31.0f);
        QCOMPARE(c->LblQuest->text(), u"\r\nQuel est le nom du département n° 1"_s);

        // The first tick paints the asked département.
        const QPoint ain = pixelDe(1);
        c->Timer1_Timer();
        QCOMPARE(c->Picture1->colorAt(ain.x(), ain.y()), QColor(0, 235, 0));

        tape(c, u"ain"_s);  // right, in any letter case
        QCOMPARE(fake->dialogs.boxes.last().title, u"Exact !"_s);
        QVERIFY(!c->Picture1->hasSetPixel(ain.x(), ain.y()));  // hidden and shown: the painting is gone
        QCOMPARE(c->Note->text(), u" 1/ 1 soit  100 % "_s);

        tape(c, u"Gironde"_s);  // wrong for 2B
        QCOMPARE(fake->dialogs.boxes.last().title, u"Faux !"_s);

        // Gironde: the time runs out after 29 ticks.
        for (int t = 0; t < 29; ++t)
            c->Timer1_Timer();
        QCOMPARE(fake->dialogs.boxes.last().title, u"Temps Ecoulé !"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt, u"Le Temps est écoulé !.\r\nC'était Gironde"_s);
        QCOMPARE(c->Question->title(), u"Question  4/ 10 :"_s);

        for (int q = 3; q < 10; ++q)
            tape(c, NomDep[drawn[q]]);
        QVERIFY(c->partieTerminee());
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->dialogs.boxes.last().prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n 8/ 10 soit  80 %  de réussite."_s);

        // The report: heading, the two errors, the dated line.
        QVERIFY(win::Rapport.isVisible());
        const QString report = win::Rapport->RichTextBox1->toPlainText();
        const QString expected = u"Correction de vos erreurs pour ce jeu n° 1 :\n"
                                 "Q: Numéro d'un département  -  R : Nom du département\n\n"
                                 "2B : Haute Corse\n 33 : Gironde\n\n"
                                 "Le  15/ 3/ 2024 à 14 h 5   -   Geomira"_s;
        QVERIFY2(report.startsWith(expected), qPrintable(report));
        testkit::screenshot(win::Rapport.ifLoaded(), u"road_report"_s);

        // Closing: a fresh hub with the sound on.
        win::Rapport->Fermer->click();
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));
        QVERIFY(!win::Rapport.isLoaded());
        QVERIFY(!win::Menu.isLoaded());
        QVERIFY(!win::CarteDep.isLoaded());
    }

    void mapGameWithTheRealColumnFiles()
    {
        win::Sommaire->Play->click();
        for (int n : {50, 20, 75})
            fake->random.values.push_back((n - 0.5) / 96);
        CarteDep* c = joue(3, 1, false, QString(), 3);
        QCOMPARE(c->LblQuest->text(), u"Placer le département n° 50"_s);
        QVERIFY(c->Reponse->isHidden());

        clique(c, QPoint(2, 2));  // the sea
        QCOMPARE(fake->sound.names().last(), u"Faute.wav"_s);
        QVERIFY(c->Solution->isHidden());
        QCOMPARE(SolutionVue, int16_t(0));

        clique(c, pixelDe(50));
        QCOMPARE(DepClique, int16_t(50));
        QVERIFY(!c->Solution->isHidden());
        QCOMPARE(c->Solu->text(), u"\r\nBonne Réponse !"_s);
        QCOMPARE(c->Picture1->colorAt(pixelDe(50).x(), pixelDe(50).y()), QColor(0, 235, 0));
        clique(c, pixelDe(14));  // the map is closed until OK
        QCOMPARE(DepClique, int16_t(50));
        c->btnOK_Click();
        QCOMPARE(c->Note->text(), u" 1/ 1 soit  100 % "_s);

        // Asked 2B, clicked Paris: Paris in red, Haute Corse in green.
        const QPoint paris = pixelDe(75);
        clique(c, paris);
        QCOMPARE(DepClique, int16_t(75));
        QCOMPARE(c->Solution->title(), u"Mauvaise Réponse !"_s);
        QCOMPARE(c->Picture1->colorAt(paris.x(), paris.y()), QColor(250, 0, 0));
        QCOMPARE(c->Picture1->colorAt(pixelDe(20).x(), pixelDe(20).y()), QColor(0, 235, 0));
        testkit::screenshot(c, u"road_game3"_s);
        c->btnOK_Click();

        c->NoSais->click();
        QCOMPARE(c->Solution->title(), u"Vous ne savez pas ?"_s);
        QCOMPARE(EtatCarte, int16_t(2));
        c->btnOK_Click();
        // Game 3 keeps no report: back to a fresh hub.
        QCOMPARE(fake->dialogs.boxes.last().prompt.right(30), u" 1/ 3 soit  33.33 %  de réussite."_s.right(30));
        QVERIFY(win::Sommaire.isVisible());
        QVERIFY(!win::Rapport.isLoaded());
    }
};

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
