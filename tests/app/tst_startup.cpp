// Start-up: the program's set-up, the title window, its screen test, and the way to the hub.
#include "app/Application.h"
#include "app/Crypte.h"
#include "app/FirstLaunch.h"
#include "app/Geomira.h"
#include "app/Globals.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "app/archive/ccZip.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"
#include "testkit/FakePlatform.h"
#include "testkit/ZipBytes.h"

#include <QApplication>
#include <QLocale>
#include <QProcess>
#include <QTest>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <future>

using namespace Qt::StringLiterals;

// Every rename of this program passes here: a child run of the installation sends
// itself SIGKILL just before the rename numbered GEOMIRA_KILL_AT_RENAME.
extern "C" int rename(const char* from, const char* to)
{
    static const int killAt = qEnvironmentVariableIntValue("GEOMIRA_KILL_AT_RENAME");
    static int done = 0;
    if (killAt && ++done == killAt)
        ::raise(SIGKILL);
    static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

namespace {
// A GIF of one pixel whose header declares a picture of width × height.
QByteArray gif(quint16 width, quint16 height)
{
    QByteArray bytes = QByteArray::fromHex("474946383961000000008000" "00ffffff0000002c00000000010001000002024401003b");
    qToLittleEndian(width, bytes.data() + 6), qToLittleEndian(height, bytes.data() + 8);
    return bytes;
}

// Runs `read` on another thread; when it has not returned within seconds, writes to the
// named pipe it may wait on, and counts the pipe as found, so that the test fails instead
// of hanging.
bool bounded(const std::function<bool()>& read, const QString& pipe)
{
    auto result = std::async(std::launch::async, read);
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return result.get();
    ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
    return result.wait(), true;
}

QStringList everything(const QString& folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
} // namespace

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
        testkit::colonnes<int>({"width", "height"});
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
        QFETCH(int, width); QFETCH(int, height); QFETCH(bool, refused);
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

    // A file of the application folder counts only as a regular file of plausible size:
    // anything else is missing, at once.
    void folderFilesFollowThePixelFilesRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // or "pipe", "zip"
        QTest::addColumn<bool>("found");
        QTest::newRow("picture") << u"Alsace.gif"_s << gif(530, 515) << true;
        QTest::newRow("picture, named pipe") << u"Alsace.gif"_s << QByteArray("pipe") << false;
        QTest::newRow("picture, 5000 × 5000 declared") << u"Alsace.gif"_s << gif(5000, 5000) << false;
        QTest::newRow("picture, 2001 high declared") << u"Alsace.gif"_s << gif(20, 2001) << false;
        QTest::newRow("picture, 13 MB file") << u"Alsace.gif"_s << gif(530, 515).leftJustified(13 << 20, '\0') << false;
        QTest::newRow("archive") << u"Geomira.zip"_s << QByteArray("zip") << true;
        QTest::newRow("archive, named pipe") << u"Geomira.zip"_s << QByteArray("pipe") << false;
    }
    void folderFilesFollowThePixelFilesRule()
    {
        QFETCH(QString, name); QFETCH(QByteArray, bytes); QFETCH(bool, found);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (QFile file(path); bytes == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (bytes == "zip")
            testkit::writeZip(path, {{"D1.dat"}});
        else
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        QCOMPARE(bounded([&] {
            auto zip = std::make_shared<ccZip>();
            if (name.endsWith(u".zip"_s))
                return zip->Init(path), zip->Decompress(folder.filePath(u"out"_s)) != ziplib::UZ_NOZIP;
            return !platform::LoadPicture(path).isNull();
        }, path), found);
    }

    // The first installation, killed just before each of its renames, then started again: whatever
    // the moment of the kill, the data counts as present only when all of it is in place, and the
    // next start completes it. The installations run in processes of their own: this test again.
    void killedInstallationCompletesAtNextStart()
    {
        testkit::FakePlatform fake;
        if (qEnvironmentVariableIsSet("GEOMIRA_INSTALL_FOLDER")) {
            platform::setAppPath(qEnvironmentVariable("GEOMIRA_INSTALL_FOLDER"));
            QVERIFY(PremierLancement());
            return;
        }
        QTemporaryDir folder, outside;
        platform::setAppPath(folder.path());
        const QStringList names{u"D1.dat"_s, u"F150.dat"_s, u"D50.dat"_s, u"R10.dat"_s, u"F151.dat"_s, u"R9.dat"_s};
        QList<testkit::ZipEntry> entries;
        for (const QString& name : names)
            entries.append({name.toUtf8()});
        testkit::writeZip(platform::appFile(u"Geomira.zip"_s), entries);
        const auto whole = [&] {  // every file there, as the archive holds it
            return std::all_of(names.begin(), names.end(), [](const QString& n) {
                QFile file(platform::appFile(n));
                return file.open(QIODevice::ReadOnly) && file.readAll() == testkit::ZipEntry().data;
            });
        };
        const auto start = [&folder](int killAt) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"GEOMIRA_INSTALL_FOLDER"_s, folder.path());
            env.insert(u"GEOMIRA_KILL_AT_RENAME"_s, QString::number(killAt));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {u"killedInstallationCompletesAtNextStart"_s});
            return child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
        };
        // A link left in place of the installation's own folder leads nowhere.
        QVERIFY(QFile::link(outside.path(), platform::appFile(u".installation"_s)));
        int killAt = 1;
        for (; start(killAt) == -1; ++killAt) {
            QVERIFY2(!DonneesPresentes() || whole(), qPrintable(u"killed before rename %1"_s.arg(killAt)));
            QVERIFY(start(0) == 0 && whole());
            QCOMPARE(everything(folder.path()).size(), names.size() + 1);
            for (const QString& name : names)
                QFile::remove(platform::appFile(name));
        }
        QVERIFY(killAt > names.size());  // killed at least once while files went into place
        QVERIFY(whole() && everything(outside.path()).isEmpty());
        platform::setAppPath(QString());
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
