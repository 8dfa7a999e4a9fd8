// The hub, the tutorial chooser and the way between the windows.
#include "app/Didacticiel.h"
#include "app/FirstLaunch.h"
#include "app/Geomira.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "quiz/CarteDep.h"
#include "testkit/FakePlatform.h"
#include "testkit/Sandbox.h"
#include "testkit/ZipBytes.h"
#include "tutorials/Blasons.h"
#include "tutorials/DidacDept.h"
#include "tutorials/DidacPop.h"
#include "tutorials/DidacPop2.h"
#include "tutorials/DidacReg.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <zip.h>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// Writes an archive of 13-byte entries with libzip, encrypted when asked.
void writeArchive(const QString& path, const QStringList& names, bool encrypted = false)
{
    static const char content[] = "0123456789012";
    int error = 0;
    zip_t* archive = zip_open(qPrintable(path), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(archive);
    for (const QString& name : names) {
        zip_source_t* source = zip_source_buffer(archive, content, 13, 0);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE);
        QVERIFY(index >= 0);
        if (encrypted)
            QCOMPARE(zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_AES_256, "secret"), 0);
    }
    QCOMPARE(zip_close(archive), 0);
}

void touch(const QString& folder, const QString& name)
{
    QFile file(QDir(folder).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Every file and folder below root with its content: what a refused unpacking must leave as it was.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        result.insert(QDir(root).relativeFilePath(file.fileName()), file.open(QIODevice::ReadOnly) ? file.readAll() : "/");
    }
    return result;
}
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    QTemporaryDir* folder = nullptr;
    QStringList unpacked;  // archives the fake unpacking was asked for
    bool unpackSucceeds = true;

private slots:
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        folder = &sandbox->folder;
        platform::FormInstanceBase::unloadJournal().clear();
        for (const char* name : {"F150.dat", "D50.dat", "R10.dat"})
            touch(folder->path(), QString::fromLatin1(name));
        unpacked.clear();
        unpackSucceeds = true;
        setDecompresseur([this](const QString& archive, const QString& target) {
            unpacked << archive;
            if (unpackSucceeds)
                touch(target, u"R10.dat"_s);
            return unpackSucceeds ? QString() : u"La raison."_s;
        });
        win::Geomira.Show();
        win::Geomira->Form_Click();
    }
    void cleanup()
    {
        sandbox.reset();
        setDecompresseur(nullptr);
    }

    void hubTexts()
    {
        Sommaire* hub = win::Sommaire.ifLoaded();
        QVERIFY(hub && hub->isVisible());
        QCOMPARE(hub->LblDidacticiel->text(),
                 u"Le didacticiel vous permet d'apprendre la géographie de la France.\r\n\r\n"
                 "Au sommaire de ce Didacticiel l'apprentissage :\r\n\r\n"
                 " - Du nom des départements\r\n - Du numéro des départements\r\n - Du nom des régions\r\n"
                 " - Du nom des préfectures départementes\r\n - Du nom des préfectures régionales\r\n"
                 " - De la localisation des départements\r\n - De la localisation des régions\r\n"
                 " - De la superficie des départements et des régions\r\n"
                 " - De la population des départements et des régions\r\n - Des blasons des régions\r\n"_s);
        QCOMPARE(hub->LblJeu->text(),
                 u"Vous êtes prêt pour tester vos connaissances alors JOUONS !\r\n\r\n"
                 "Ce menu vous offre 31 jeux différents avec plusieurs options :\r\n\r\n"
                 " - Un niveau facile (avec de l'aide)\r\n - Un niveau difficiel (sans aide)\r\n"
                 " - Un temps de réponse illimité\r\n - Un temps de réponse limité mais non fixé\r\n"
                 " - Choix du nombre de question\r\n - Test avec toutes les questions\r\n"_s);
        QCOMPARE(hub->Didac->text(), u"Cliquez ici"_s);
        QCOMPARE(hub->Didac->toolTip(), u"Lance le didacticiel"_s);
        QCOMPARE(hub->Play->toolTip(), u"Lance le jeu"_s);
        QCOMPARE(hub->Horloge->toolTip(), u"Sons actif"_s);
        QCOMPARE(hub->aide->toolTip(), u"Aide !"_s);
        // Every text fits its label at the target screen size.
        for (QLabel* label : {hub->LblDidacticiel, hub->LblJeu})
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        testkit::screenshot(hub, u"hub"_s);
    }

    void soundSwitch()
    {
        Sommaire* hub = win::Sommaire.ifLoaded();
        QCOMPARE(EtatSon, int16_t(2));
        QImage hautParleur(32, 32, QImage::Format_RGB32);
        hautParleur.fill(QColor(240, 240, 240));
        hautParleur.setPixelColor(16, 16, Qt::red);
        QVERIFY(hautParleur.save(platform::appFile(u"sonsnon.bmp"_s), "BMP"));
        hub->Horloge->click();
        QCOMPARE(EtatSon, int16_t(1));
        QCOMPARE(hub->Horloge->toolTip(), u"Sons inactif"_s);
        QCOMPARE(fake->pictures.loaded, QStringList{platform::appFile(u"sonsnon.bmp"_s)});
        // The picture's background colour is transparent: no square on the button.
        const QImage icone = hub->Horloge->icon().pixmap(32).toImage();
        QVERIFY(qAlpha(icone.pixel(0, 0)) == 0 && icone.pixelColor(16, 16) == QColor(Qt::red));
        hub->Horloge->click();
        QCOMPARE(EtatSon, int16_t(2));
        QCOMPARE(hub->Horloge->toolTip(), u"Sons actif"_s);
        QCOMPARE(fake->pictures.loaded.last(), platform::appFile(u"sonsok.bmp"_s));

        // Missing pictures: the switch and its tooltip still change.
        fake->pictures.missing = QStringList{u"sonsok.bmp"_s, u"sonsnon.bmp"_s};
        hub->Horloge->click();
        QCOMPARE(EtatSon, int16_t(1));
        QCOMPARE(hub->Horloge->toolTip(), u"Sons inactif"_s);
        QVERIFY(!hub->Horloge->icon().isNull());

        // Back to the hub with the sound off: a fresh hub, sound on.
        hub->Play->click();
        win::Menu->Somm_Click();
        Sommaire* fresh = win::Sommaire.ifLoaded();
        QVERIFY(fresh && fresh->isVisible());
        QCOMPARE(EtatSon, int16_t(2));
        QCOMPARE(fresh->Horloge->toolTip(), u"Sons actif"_s);
        QCOMPARE(win::Sommaire.loadCount() >= 2, true);
    }

    void dataPresentOpensTheChooserAtOnce()
    {
        win::CarteDep.Load();
        win::Sommaire->Play->click();
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QVERIFY(fake->screen.pointerHistory.isEmpty());
        QVERIFY(unpacked.isEmpty());
        QVERIFY(!win::Sommaire.isVisible());
        QVERIFY(win::Sommaire.isLoaded());
        QVERIFY(!win::CarteDep.isLoaded());
        QVERIFY(win::Menu.isVisible());
    }

    void missingFileUnpacksTheArchiveFirst()
    {
        QFile::remove(platform::appFile(u"R10.dat"_s));
        fake->dialogs.onBox = [this](const testkit::ShownBox&) { QVERIFY(unpacked.isEmpty()); };
        win::Sommaire->Didac->click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Veuillez patientez pendant la création des fichiers nécessaires au logiciel\r\n"_s);
        QCOMPARE(fake->dialogs.boxes[0].title, u"1er lancement du logiciel"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 64);
        QCOMPARE(unpacked, QStringList{platform::appFile(u"Geomira.zip"_s)});
        QCOMPARE(fake->screen.pointerHistory, (QList<int>{platform::vbHourglass, platform::vbDefault}));
        QVERIFY(win::Didacticiel.isVisible());
    }

    void failedUnpackingStaysOnTheHub()
    {
        QFile::remove(platform::appFile(u"D50.dat"_s));
        unpackSucceeds = false;
        win::Sommaire->Play->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].style, 16);
        QCOMPARE(fake->dialogs.boxes[1].prompt, u"Les données du logiciel n'ont pas pu être installées.\r\nLa raison.\r\n\r\n"
                                                "L'archive a été cherchée ici :\r\n"_s
                                                    + QDir::toNativeSeparators(platform::appFile(u"Geomira.zip"_s)));
        QCOMPARE(fake->screen.current, int(platform::vbDefault));
        QVERIFY(win::Sommaire.isVisible());
        QVERIFY(!win::Menu.isLoaded());

        // A failure after the three files were written: the next press unpacks again.
        setDecompresseur([this](const QString& archive, const QString& target) {
            unpacked << archive;
            for (const char* name : {"F150.dat", "D50.dat", "R10.dat"})
                touch(target, QString::fromLatin1(name));
            return u"La raison."_s;
        });
        fake->dialogs.boxes.clear();
        win::Sommaire->Play->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QVERIFY(!DonneesPresentes());
        fake->dialogs.boxes.clear();
        win::Sommaire->Play->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QVERIFY(!win::Menu.isLoaded());
        setDecompresseur([this](const QString& archive, const QString& target) {
            unpacked << archive;
            touch(target, u"R10.dat"_s);
            return QString();
        });
        touch(folder->path(), u"F150.dat"_s);

        // Reported success that leaves a file missing is a failure too.
        unpackSucceeds = true;
        fake->dialogs.boxes.clear();
        win::Sommaire->Play->click();  // writes R10 only; D50 still missing
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QVERIFY(fake->dialogs.boxes[1].prompt.contains(u"\r\nL'archive ne contient pas toutes les données du logiciel.\r\n"_s));
        QVERIFY(!win::Menu.isLoaded());
    }

    void firstLaunchWithTheRealArchive()
    {
        setDecompresseur(nullptr);  // the archive component
        for (const char* name : {"F150.dat", "D50.dat", "R10.dat"})
            QFile::remove(platform::appFile(QString::fromLatin1(name)));

        // No archive at all: the player is told where it was looked for; the hub stays.
        win::Sommaire->Play->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].style, 16);
        QVERIFY(fake->dialogs.boxes[1].prompt.contains(u"\r\nL'archive est introuvable.\r\n"_s));
        QVERIFY(!win::Menu.isLoaded());
        QCOMPARE(fake->screen.current, int(platform::vbDefault));

        writeArchive(platform::appFile(u"Geomira.zip"_s), {u"F150.dat"_s, u"D50.dat"_s, u"R10.dat"_s, u"D1.dat"_s});
        touch(folder->path(), u"D50.dat"_s);  // an existing file is replaced

        fake->dialogs.boxes.clear();
        win::Sommaire->Play->click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QVERIFY(DonneesPresentes());
        QFile unpacked(platform::appFile(u"D1.dat"_s));
        QVERIFY(unpacked.open(QIODevice::ReadOnly));
        QCOMPARE(unpacked.readAll(), QByteArray("0123456789012"));
        QFile replaced(platform::appFile(u"D50.dat"_s));
        QVERIFY(replaced.open(QIODevice::ReadOnly));
        QCOMPARE(replaced.size(), 13);
        QVERIFY(win::Menu.isVisible());
    }

    void brokenArchivesKeepTheHub_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("reason");
        const QStringList data = {u"F150.dat"_s, u"D50.dat"_s, u"R10.dat"_s};
        const QString damaged = u"L'archive est endommagée ou illisible."_s;
        const QString tooBig = u"L'archive est trop volumineuse."_s;
        QStringList many = data;  // 5001 pixel files
        for (int n = 1000; n < 5998; ++n)
            many << u"F%1.dat"_s.arg(n);
        QTest::newRow("truncated") << u"truncated"_s << data << damaged;
        QTest::newRow("corrupt") << u"corrupt"_s << data << damaged;
        const QString refused = u"L'archive contient un fichier refusé : "_s;
        QTest::newRow("malicious") << QString() << data + QStringList{u"../evil.dat"_s, u"..\\evil2.dat"_s} << refused + u"../evil.dat"_s;
        QTest::newRow("program files") << QString() << data + QStringList{u"Geomira"_s, u"help/Geomira.chm"_s, u"Message.wav"_s,
                                                                          u"Geomira.zip"_s} << refused + u"Geomira"_s;
        QTest::newRow("encrypted") << u"encrypted"_s << data << u"L'archive est protégée par un mot de passe."_s;
        QTest::newRow("declared bomb") << u"bomb"_s << data << tooBig;
        QTest::newRow("too many entries") << QString() << many << tooBig;
        QTest::newRow("folder in the way") << u"folder"_s << data << u"Un dossier porte le nom d'un fichier de données : D50.dat"_s;
    }
    void brokenArchivesKeepTheHub()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, names);
        QFETCH(QString, reason);
        setDecompresseur(nullptr);
        QFile::remove(platform::appFile(u"F150.dat"_s));
        QDir(folder->path()).mkdir(u"app"_s);
        platform::setAppPath(QDir(folder->path()).filePath(u"app"_s));
        touch(platform::appPath(), u"Geomira"_s);
        const QString archivePath = platform::appFile(u"Geomira.zip"_s);
        writeArchive(archivePath, names, kind == u"encrypted"_s);
        if (kind == u"bomb"_s)
            QVERIFY(testkit::declareSize(archivePath, 1u << 30));
        if (kind == u"folder"_s)
            QDir(platform::appPath()).mkdir(u"D50.dat"_s);
        QFile file(archivePath);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (kind == u"truncated"_s)
            file.resize(file.size() / 2);
        else if (kind == u"corrupt"_s)
            file.write(QByteArray(64, 'x'));
        file.close();
        const auto before = snapshot(folder->path());

        win::Sommaire->Didac->click();
        // No password asked: the hint, then one failure box saying why.
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].style, 16);
        QVERIFY(fake->dialogs.boxes[1].prompt.contains(u".\r\n"_s + reason + u"\r\n\r\n"_s));
        QVERIFY(win::Sommaire.isVisible());
        QVERIFY(!win::Didacticiel.isLoaded());
        QCOMPARE(fake->screen.current, int(platform::vbDefault));
        // Nothing written or replaced, in the application folder or beside it.
        QCOMPARE(snapshot(folder->path()), before);
    }

    void helpButtonOpensTheHelpFile()
    {
        win::Sommaire->aide->click();
        QCOMPARE(fake->help.paths, QStringList{platform::appFile(u"help/Geomira.chm"_s)});
        QCOMPARE(fake->help.owners.front(), win::Sommaire.ifLoaded());
    }

    void chooserLevels()
    {
        win::Sommaire->Didac->click();
        Didacticiel* chooser = win::Didacticiel.ifLoaded();
        QVERIFY(chooser);
        QVERIFY(chooser->cancel->isHidden());
        QVERIFY(chooser->SupPop[0]->isHidden());
        for (auto* option : chooser->Didac)
            QVERIFY(!option->isChecked());

        // A fresh chooser: "C'est parti" at once does nothing.
        chooser->Ok->click();
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QVERIFY(win::Didacticiel.isVisible());

        // Second level without a sub-choice: the message, nothing opens.
        chooser->Didac[2]->click();
        QVERIFY(!chooser->cancel->isHidden());
        QVERIFY(chooser->Didac[0]->isHidden());
        QVERIFY(!chooser->SupPop[1]->isHidden());
        chooser->Ok->click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Veuillez choisir entre départements et régions"_s);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Erreur de saisie"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 48);
        QVERIFY(win::Didacticiel.isVisible());

        // A sub-choice unselects the subject, which stays shown; choosing the subject again drops the sub-choice.
        chooser->SupPop[1]->click();
        QVERIFY(!chooser->Didac[2]->isChecked());
        QVERIFY(chooser->Didac[2]->isVisible());
        QVERIFY(chooser->cancel->isVisible());
        chooser->Didac[2]->click();
        QVERIFY(!chooser->SupPop[1]->isChecked());
        chooser->Ok->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);

        // "Annule": back to the first level with DEPARTEMENTS selected.
        chooser->SupPop[0]->click();
        chooser->cancel->click();
        QVERIFY(chooser->Didac[0]->isChecked());
        QVERIFY(!chooser->SupPop[0]->isChecked());
        QVERIFY(chooser->cancel->isHidden());
        QVERIFY(chooser->SupPop[0]->isHidden());
        chooser->Ok->click();
        QVERIFY(!win::Didacticiel.isLoaded());
        QVERIFY(win::DidacDept.isVisible());
        QVERIFY(!win::Sommaire.isLoaded());
        QVERIFY(!win::Geomira.isLoaded());
    }

    void eachTutorialOpensAndReturnsToAFreshHub_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("sub");
        QTest::newRow("DidacDept") << 0 << -1;
        QTest::newRow("DidacReg") << 1 << -1;
        QTest::newRow("DidacPop") << 2 << 0;
        QTest::newRow("DidacPop2") << 2 << 1;
    }
    void eachTutorialOpensAndReturnsToAFreshHub()
    {
        QFETCH(int, subject);
        QFETCH(int, sub);
        platform::FormInstanceBase* instances[] = {&win::DidacDept, &win::DidacReg, &win::DidacPop, &win::DidacPop2};
        platform::FormInstanceBase& tutorial = *instances[sub < 0 ? subject : 2 + sub];
        const int hubLoads = win::Sommaire.loadCount();
        win::Sommaire->Didac->click();
        Didacticiel* chooser = win::Didacticiel.ifLoaded();
        chooser->Didac[subject]->click();
        if (sub >= 0)
            chooser->SupPop[sub]->click();
        chooser->Ok->click();
        QVERIFY(tutorial.isVisible());
        for (auto* other : platform::FormInstanceBase::all()) {
            if (other != &tutorial && other->className() != u"Didacticiel"_s)
                QVERIFY2(!other->isLoaded(), qPrintable(other->className()));
        }
        auto* window = tutorial.windowIfLoaded();
        QVERIFY(window->closeBoxRemoved());
        window->close();
        QVERIFY(tutorial.isLoaded());  // no close box: the request is ignored
        QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
        QVERIFY(!buttons.isEmpty());
        buttons.front()->click();
        QVERIFY(!tutorial.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(win::Sommaire.loadCount(), hubLoads + 1);
    }

    void chooserBackShowsAFreshHub()
    {
        win::Sommaire->Horloge->click();
        win::Sommaire->Didac->click();
        win::Didacticiel->Back->click();
        QVERIFY(!win::Didacticiel.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(EtatSon, int16_t(2));
    }

    void closingTheGameChooserEndsTheProgram()
    {
        int ended = 0;
        platform::setLastWindowUnloadedHandler([&ended] { ++ended; });
        win::Sommaire->Play->click();
        QVERIFY(win::Geomira.isLoaded());  // hidden since the title click
        win::Menu->close();
        for (auto* instance : platform::FormInstanceBase::all())
            QVERIFY2(!instance->isLoaded(), qPrintable(instance->className()));
        QCOMPARE(platform::FormInstanceBase::unloadJournal(),
                 (QStringList{u"Geomira"_s, u"Menu"_s, u"Sommaire"_s}));
        QCoreApplication::processEvents();
        QCOMPARE(ended, 1);
        platform::setLastWindowUnloadedHandler(nullptr);
    }

    void unloadAllWithTitleAndHubOnly()
    {
        const int menuLoads = win::Menu.loadCount();
        win::Sommaire.Unload();
        QCOMPARE(platform::FormInstanceBase::unloadJournal(), (QStringList{u"Geomira"_s, u"Sommaire"_s}));
        QVERIFY(win::Blasons.isCreated());
        QCOMPARE(win::Menu.loadCount(), menuLoads);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
