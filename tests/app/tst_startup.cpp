// Start-up: the program's set-up, the title window, its screen test, and the way to the hub.
#include "app/Application.h"
#include "app/Crypte.h"
#include "app/Geomira.h"
#include "app/Globals.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "testkit/FakePlatform.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        win::UnloadAll();
        testkit::flushDeletes();
        platform::resetProgramEnded();
    }

    void screenTest_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("refused");
        QTest::newRow("800x600 passes") << 800 << 600 << false;
        QTest::newRow("799x600") << 799 << 600 << true;
        QTest::newRow("800x599") << 800 << 599 << true;
        QTest::newRow("1024x480") << 1024 << 480 << true;
        QTest::newRow("640x800") << 640 << 800 << true;
        QTest::newRow("wide screen beyond 16 bits of twips") << 2560 << 1440 << false;
    }
    void screenTest()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, refused);
        testkit::FakePlatform fake;
        fake.screen.widthPixels = width;
        fake.screen.heightPixels = height;
        win::Geomira.Show();
        QCOMPARE(Cle, QString::fromLatin1(kCleValue));
        QCOMPARE(platform::programEnded(), refused);
        QCOMPARE(win::Geomira.isVisible(), !refused);
        const QString box = u"Problème de Résolution [16] Votre résolution %1 x %2 est insuffisante\r\n\r\n"
                            "La résolution minimum requise est 800 x 600"_s;
        QCOMPARE(fake.dialogs.shown(), refused ? QStringList{box.arg(width).arg(height)} : QStringList());
        QVERIFY(!win::Sommaire.isLoaded());
    }

    // Runs alone on an offscreen screen of 640 × 480 (see CMakeLists).
    void smallScreenOnRealScreen()
    {
        if (qEnvironmentVariableIsEmpty("GEOMIRA_SMALL_SCREEN"))
            QSKIP("run by the small-screen test");
        testkit::FakeDialogs dialogs;
        platform::ScopedSeam<platform::Dialogs> seam(&dialogs);
        win::Geomira.Show();
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes.front().prompt.section(u"\r\n"_s, 0, 0), u"Votre résolution 640 x 480 est insuffisante"_s);
        QVERIFY(platform::programEnded());
        QVERIFY(!win::Geomira.isVisible());
    }

    void titleLayout()
    {
        testkit::FakePlatform fake;
        win::Geomira.Show();
        Geomira* title = win::Geomira.ifLoaded();
        QCOMPARE(title->size(), QSize(706, 507));  // 10590 × 7605 twips
        QCOMPARE(title->Image1->geometry(), QRect(104, 8, 529, 483));
        QCOMPARE(title->Image2->geometry(), QRect(24, 16, 65, 31));
        QCOMPARE(title->Image4->geometry(), QRect(616, 16, 65, 31));
        for (const QLabel* image : {title->Image1, title->Image2, title->Image4})
            QCOMPARE(image->pixmap().size(), image->size());  // stored at its shown size, never scaled
        QCOMPARE(title->Label1->text(), u"Geomira"_s);
        QCOMPARE(title->Label3->text(), u"Cliquez pour continuer ..."_s);
        QCOMPARE(title->windowTitle(), u"Geomira"_s);
        testkit::screenshot(title, u"title"_s);
    }

    void everyClickShowsTheHub_data()
    {
        QTest::addColumn<int>("target");
        int target = 0;
        for (const char* name : {"window", "Image1", "Image2", "Image4", "Label1", "Label2", "Label3"})
            QTest::newRow(name) << target++;
    }
    void everyClickShowsTheHub()
    {
        QFETCH(int, target);
        testkit::FakePlatform fake;
        win::Geomira.Show();
        Geomira* title = win::Geomira.ifLoaded();
        QWidget* targets[] = {title, title->Image1, title->Image2, title->Image4, title->Label1, title->Label2, title->Label3};
        QTest::mouseClick(targets[target], Qt::LeftButton, {}, target == 0 ? QPoint(5, 500) : QPoint(3, 3));
        QVERIFY(!win::Geomira.isVisible());
        QVERIFY(win::Geomira.isLoaded());  // hidden, not unloaded
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));
    }

    void closingTheTitleEndsWithoutTheHub()
    {
        testkit::FakePlatform fake;
        int ended = 0;
        platform::setLastWindowUnloadedHandler([&ended] { ++ended; });
        win::Geomira.Show();
        win::Geomira->close();
        QVERIFY(!win::Geomira.isLoaded());
        QVERIFY(!win::Sommaire.isLoaded());
        QCoreApplication::processEvents();
        QCOMPARE(ended, 1);
        platform::setLastWindowUnloadedHandler(nullptr);
    }

    void userLocaleForNumbersFrenchQtTexts()
    {
        PrepareApplication(*qApp);
        QCOMPARE(QLocale(), QLocale::system());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Oui"_s);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
