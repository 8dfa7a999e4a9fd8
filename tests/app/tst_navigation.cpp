// The hub, the tutorial chooser, the first launch and the way between the windows.
#include "app/Didacticiel.h"
#include "app/FirstLaunch.h"
#include "app/Geomira.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "quiz/CarteDep.h"
#include "tutorials/DidacPop.h"
#include "testkit/Layout.h"
#include "testkit/Sandbox.h"
#include "testkit/ZipBytes.h"

#include <QApplication>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QStringList kDonnees = {u"F150.dat"_s, u"D50.dat"_s, u"R10.dat"_s};
const QString kAttente = u"1er lancement du logiciel [64] Veuillez patientez pendant la création des fichiers nécessaires au logiciel\r\n"_s;

void touch(const QString& folder, const QStringList& names)
{
    for (const QString& name : names)
        QVERIFY(QFile(QDir(folder).filePath(name)).open(QIODevice::WriteOnly));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("/");
}

// Every file and folder below root with its content: what a refused unpacking must leave as it was.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        result.insert(QDir(root).relativeFilePath(path), contents(path));
    }
    return result;
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    QStringList unpacked;  // archives the fake unpacking was asked for

    // The unpacking replaced by one that writes `written` into the folder and gives `reason` (empty: success);
    // it records the archive it was asked for, or that it came before the hint.
    void unpackingWrites(const QStringList& written, const QString& reason)
    {
        setDecompresseur([this, written, reason](const QString& archive, const QString& target) {
            unpacked << (fake->dialogs.boxes.isEmpty() ? u"before the hint"_s : archive);
            touch(target, written);
            return reason;
        });
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        platform::FormInstanceBase::unloadJournal().clear();
        touch(sandbox->folder.path(), kDonnees);
        unpacked.clear();
        unpackingWrites({u"R10.dat"_s}, QString());
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
        const QStringList tips{u"Lance le didacticiel"_s, u"Lance le jeu"_s, u"Sons actif"_s, u"Aide !"_s};
        QCOMPARE((QStringList{hub->Didac->toolTip(), hub->Play->toolTip(), hub->Horloge->toolTip(), hub->aide->toolTip()}), tips);
        testkit::screenshot(hub, u"hub"_s);
    }

    // On, off, on, and off again with the pictures missing: the switch and its tooltip still change.
    void soundSwitch()
    {
        Sommaire* hub = win::Sommaire.ifLoaded();
        QCOMPARE(EtatSon, int16_t(2));
        QImage hautParleur(32, 32, QImage::Format_RGB32);
        hautParleur.fill(QColor(240, 240, 240));
        hautParleur.setPixelColor(16, 16, Qt::red);
        QVERIFY(hautParleur.save(platform::appFile(u"sonsnon.bmp"_s), "BMP"));
        for (int press = 1; press <= 3; ++press) {
            if (press == 3)
                fake->pictures.missing = QStringList{u"sonsok.bmp"_s, u"sonsnon.bmp"_s};
            hub->Horloge->click();
            QCOMPARE(EtatSon, int16_t(press % 2 ? 1 : 2));
            QCOMPARE(hub->Horloge->toolTip(), press % 2 ? u"Sons inactif"_s : u"Sons actif"_s);
            QCOMPARE(fake->pictures.loaded.last(), platform::appFile(press % 2 ? u"sonsnon.bmp"_s : u"sonsok.bmp"_s));
            QVERIFY(!hub->Horloge->icon().isNull());
            if (press == 1) {
                // The picture's background colour is transparent: no square on the button.
                const QImage icone = hub->Horloge->icon().pixmap(32).toImage();
                QVERIFY(qAlpha(icone.pixel(0, 0)) == 0 && icone.pixelColor(16, 16) == QColor(Qt::red));
            }
        }
        QCOMPARE(fake->pictures.loaded.size(), 3);
    }

    // The first press on the hub: with the data present the next window opens at once; with a file missing,
    // the hint and the hourglass come first, then the archive is unpacked into the application folder. When
    // that fails, a box says why and the chooser opens all the same; back on the hub, the next press asks
    // again. Nothing that was in the folder before is removed or changed.
    void firstLaunch_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("names");  // in the archive, or written by the unpacking replaced
        QTest::addColumn<QString>("reason");     // empty: the data is installed
        const QString damaged = u"L'archive est endommagée ou illisible."_s;
        const QString tooBig = u"L'archive est trop volumineuse."_s;
        const QString refused = u"L'archive contient un fichier refusé : "_s;
        QStringList many = kDonnees;  // 5001 pixel files
        for (int n = 1000; n < 5998; ++n)
            many << u"F%1.dat"_s.arg(n);
        QTest::newRow("data present") << u"present"_s << QStringList() << QString();
        QTest::newRow("unpacking succeeds") << u"unpacker"_s << QStringList{u"R10.dat"_s} << QString();
        QTest::newRow("the real archive") << QString() << kDonnees + QStringList{u"D1.dat"_s} << QString();
        QTest::newRow("unpacking fails") << u"unpacker"_s << QStringList() << u"La raison."_s;
        QTest::newRow("fails having written all") << u"unpacker"_s << kDonnees << u"La raison."_s;
        QTest::newRow("succeeds, data missing") << u"unpacker"_s << QStringList{u"D1.dat"_s}
                                                << u"L'archive ne contient pas toutes les données du logiciel."_s;
        QTest::newRow("no archive") << u"none"_s << QStringList() << u"L'archive est introuvable."_s;
        QTest::newRow("truncated") << u"truncated"_s << kDonnees << damaged;
        QTest::newRow("corrupt") << u"corrupt"_s << kDonnees << damaged;
        QTest::newRow("malicious") << QString() << kDonnees + QStringList{u"../evil.dat"_s, u"..\\evil2.dat"_s} << refused + u"../evil.dat"_s;
        QTest::newRow("program files") << QString() << kDonnees + QStringList{u"Geomira"_s, u"help/Geomira.chm"_s, u"Message.wav"_s,
                                                                             u"Geomira.zip"_s} << refused + u"Geomira"_s;
        QTest::newRow("encrypted") << u"encrypted"_s << kDonnees << u"L'archive est protégée par un mot de passe."_s;
        QTest::newRow("declared bomb") << u"bomb"_s << kDonnees << tooBig;
        QTest::newRow("too many entries") << QString() << many << tooBig;
        QTest::newRow("folder in the way") << u"folder"_s << kDonnees << u"Un dossier porte le nom d'un fichier de données : D50.dat"_s;
    }
    void firstLaunch()
    {
        QFETCH(QString, kind); QFETCH(QStringList, names); QFETCH(QString, reason);
        if (kind == u"unpacker"_s)
            unpackingWrites(names, reason.startsWith(u"La raison"_s) ? reason : QString());
        else
            setDecompresseur(nullptr);
        QDir(sandbox->folder.path()).mkdir(u"app"_s);
        platform::setAppPath(QDir(sandbox->folder.path()).filePath(u"app"_s));
        touch(platform::appPath(), {u"Geomira"_s});
        // Before a press that succeeds, the data is there but for the first file the unpacking brings;
        // before one that fails, only the last file checked is missing.
        touch(platform::appPath(), kDonnees);
        QFile::remove(platform::appFile(reason.isEmpty() ? names.value(0) : kDonnees.last()));
        const QString archivePath = platform::appFile(u"Geomira.zip"_s);
        if (kind != u"unpacker"_s && kind != u"none"_s && kind != u"present"_s) {
            QList<testkit::ZipEntry> entries;  // of 13 bytes each
            for (const QString& name : names)
                entries.append({name.toUtf8()});
            testkit::writeZip(archivePath, entries, {}, ZIP_CM_DEFLATE, kind == u"encrypted"_s ? "secret" : nullptr);
        }
        if (kind == u"bomb"_s)
            QVERIFY(testkit::declareSize(archivePath, 1u << 30));
        if (kind == u"folder"_s)
            QVERIFY(QFile::remove(platform::appFile(u"D50.dat"_s)) && QDir(platform::appPath()).mkdir(u"D50.dat"_s));
        if (QFile file(archivePath); kind == u"truncated"_s || kind == u"corrupt"_s)
            QVERIFY(file.open(QIODevice::ReadWrite) && (kind == u"corrupt"_s ? file.write(QByteArray(64, 'x')) : file.resize(file.size() / 2)));
        const auto before = snapshot(sandbox->folder.path());
        if (reason.isEmpty())
            win::CarteDep.Load();  // a quiz window left over goes
        int presses = 0;
        for (const bool play : kind == u"unpacker"_s ? QList{false, true} : QList{true, false}) {
            fake->dialogs.boxes.clear();
            fake->screen.pointerHistory.clear();
            const QStringList hint = DonneesPresentes() ? QStringList() : QStringList{kAttente};
            QPushButton* button = play ? win::Sommaire->Play : win::Sommaire->Didac;
            button->click();
            presses += hint.size();
            QCOMPARE(fake->screen.pointerHistory, (hint.isEmpty() ? QList<int>() : QList<int>{platform::vbHourglass, platform::vbDefault}));
            if (reason.isEmpty()) {
                QCOMPARE(fake->dialogs.shown(), hint);
                QVERIFY(DonneesPresentes());
                QCOMPARE(contents(platform::appFile(u"D50.dat"_s)), kind.isEmpty() ? QByteArray("0123456789012") : QByteArray());
                QCOMPARE(contents(platform::appFile(u"D1.dat"_s)), kind.isEmpty() ? QByteArray("0123456789012") : QByteArray("/"));
                QVERIFY(!win::Sommaire.isVisible() && win::Sommaire.isLoaded() && !win::CarteDep.isLoaded());
                QVERIFY(play ? win::Menu.isVisible() : win::Didacticiel.isVisible());
                break;
            }
            // No password asked: one failure box saying why, then the chooser.
            if (hint.isEmpty())  // the failed unpacking wrote the whole set all the same
                QCOMPARE(fake->dialogs.shown(), QStringList());
            else
                QCOMPARE(fake->dialogs.shown(), hint + QStringList{u"1er lancement du logiciel [16] Les données du logiciel n'ont pas pu être installées.\r\n"_s
                                                               + reason + u"\r\n\r\nL'archive a été cherchée ici :\r\n"_s
                                                               + QDir::toNativeSeparators(archivePath)});
            QVERIFY(!win::Sommaire.isVisible());
            QVERIFY(play ? win::Menu.isVisible() : win::Didacticiel.isVisible());
            // Nothing removed or replaced, in the application folder or beside it; only a replaced
            // unpacking writes anything.
            const auto after = snapshot(sandbox->folder.path());
            for (auto it = before.begin(); it != before.end(); ++it)
                QCOMPARE(after.value(it.key(), "gone"), it.value());
            if (kind != u"unpacker"_s)
                QCOMPARE(after, before);
            if (play)
                win::Menu->Somm->click();
            else
                win::Didacticiel->Back->click();
            QVERIFY(win::Sommaire.isVisible());
        }
        QCOMPARE(unpacked, QStringList(kind != u"unpacker"_s ? 0 : presses, archivePath));
        QCOMPARE(presses, kind == u"present"_s ? 0 : reason.isEmpty() || (kind == u"unpacker"_s && names == kDonnees) ? 1 : 2);
    }

    // As each window opens, every text fits its control and no control leaves its window; its help
    // button, when it has one, opens the help file of the application folder, owned by that window.
    void windowsLayoutAndHelp_data()
    {
        QTest::addColumn<int>("window");
        int window = 0;
        for (const char* name : {"title", "hub", "tutorial chooser", "its second level", "coats of arms", "game chooser",
                                 "report", "statistics, départements", "statistics, régions"})
            QTest::newRow(name) << window++;
    }
    void windowsLayoutAndHelp()
    {
        QFETCH(int, window);
        platform::FormInstanceBase* windows[] = {&win::Geomira, &win::Sommaire, &win::Didacticiel, &win::Didacticiel, &win::Blasons,
                                                 &win::Menu, &win::Rapport, &win::DidacPop, &win::DidacPop2};
        windows[window]->Show();
        if (window == 3)
            win::Didacticiel->Didac[2]->click();
        QWidget* shown = windows[window]->windowIfLoaded();
        QCOMPARE(testkit::layoutFaults(shown), QString());
        QList<QPushButton*> help = shown->findChildren<QPushButton*>();
        help.removeIf([](QPushButton* b) { return !b->toolTip().startsWith(u"Aide"_s) && b->text() != u"Aide"_s; });
        QCOMPARE(help.size(), window == 0 || window == 4 ? 0 : 1);  // none on the title and the coats of arms
        if (help.isEmpty())
            return;
        help.front()->click();
        QCOMPARE(fake->help.paths, QStringList{platform::appFile(u"help/Geomira.chm"_s)});
        QCOMPARE(fake->help.owners, QList<QWidget*>{shown});
    }

    // Enter on the focused button presses it once, in every window along the way (the keypad's Enter in the last).
    void enterPressesTheFocusedButton()
    {
        const std::function<QPushButton*()> buttons[] = {
            [] { return win::Sommaire->Horloge; }, [] { return win::Sommaire->Didac; }, [] { return win::Didacticiel->Back; },
            [] { return win::Sommaire->Play; }, [] { return win::Menu->JoueOK; }, [] { return win::Menu->Somm; },
            [] { win::CarteDep->Solution->show(); return win::CarteDep->btnOK; },  // the verdict of a map game
            [] { return win::Rapport->Imprime; }, [] { return win::DidacPop->Retour; }};
        for (const auto& find : buttons) {
            QPushButton* button = find();
            static_cast<platform::FormWindow*>(button->window())->instance()->Show();
            QVERIFY(QTest::qWaitForWindowActive(button->window()));
            button->setFocus();
            QVERIFY2(QApplication::focusWidget() == button, qPrintable(QString::number(&find - buttons)));
            QSignalSpy pressed(button, &QAbstractButton::clicked);
            const bool keypad = &find == &buttons[8];
            QTest::keyClick(button, keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
            QVERIFY2(pressed.count() == 1, qPrintable(QString::number(&find - buttons)));
        }
    }

    void chooserLevels()
    {
        win::Sommaire->Didac->click();
        Didacticiel* c = win::Didacticiel.ifLoaded();
        const auto bits = [](std::initializer_list<bool> flags) {
            QString text;
            for (bool flag : flags)
                text += flag ? u'1' : u'0';
            return text;
        };
        // After each press: which of DEPARTEMENTS, SUPERFICIE..., the two sub-choices, "Annule" are shown, which of
        // DEPARTEMENTS, SUPERFICIE..., "Des Départements", "Des Régions" are chosen, and the boxes so far.
        const struct {
            QAbstractButton* press;
            const char16_t *shown, *checked;
            int boxes;
        } steps[] = {
            {c->Ok, u"11000", u"0000", 0},         // nothing chosen: nothing happens
            {c->Didac[2], u"01111", u"0100", 0},   // the second level
            {c->Ok, u"01111", u"0100", 1},         // no sub-choice: the message
            {c->SupPop[1], u"01111", u"0001", 1},  // a sub-choice unselects the subject, still shown
            {c->Didac[2], u"01111", u"0100", 1},   // the subject again drops the sub-choice
            {c->Ok, u"01111", u"0100", 2},
            {c->SupPop[0], u"01111", u"0010", 2},
            {c->cancel, u"11000", u"1000", 2},     // "Annule": back to the first level, DEPARTEMENTS chosen
        };
        for (const auto& step : steps) {
            step.press->click();
            QCOMPARE(bits({c->Didac[0]->isVisible(), c->Didac[2]->isVisible(), c->SupPop[0]->isVisible(), c->SupPop[1]->isVisible(),
                          c->cancel->isVisible()}),
                     QString::fromUtf16(step.shown));
            QCOMPARE(bits({c->Didac[0]->isChecked(), c->Didac[2]->isChecked(), c->SupPop[0]->isChecked(), c->SupPop[1]->isChecked()}),
                     QString::fromUtf16(step.checked));
            QCOMPARE(fake->dialogs.boxes.size(), step.boxes);
        }
        QCOMPARE(fake->dialogs.shown(), QStringList(2, u"Erreur de saisie [48] Veuillez choisir entre départements et régions"_s));
        c->Ok->click();
        QVERIFY(!win::Didacticiel.isLoaded() && !win::Sommaire.isLoaded() && !win::Geomira.isLoaded());
        QVERIFY(win::DidacDept.isVisible());
    }

    // The chooser opens each tutorial alone; the tutorial's first button, or the chooser's or the
    // game chooser's "Sommaire", shows a fresh hub with the sound on.
    void eachWindowReturnsToAFreshHub_data()
    {
        QTest::addColumn<int>("route");
        int route = 0;
        for (const char* name : {"DidacDept", "DidacReg", "DidacPop", "DidacPop2", "tutorial chooser", "game chooser"})
            QTest::newRow(name) << route++;
    }
    void eachWindowReturnsToAFreshHub()
    {
        QFETCH(int, route);
        platform::FormInstanceBase* ends[] = {&win::DidacDept, &win::DidacReg, &win::DidacPop, &win::DidacPop2, &win::Didacticiel, &win::Menu};
        platform::FormInstanceBase& shown = *ends[route];
        win::Sommaire->Horloge->click();  // sound off
        const int hubLoads = win::Sommaire.loadCount();
        (route == 5 ? win::Sommaire->Play : win::Sommaire->Didac)->click();
        if (route < 4) {
            win::Didacticiel->Didac[std::min(route, 2)]->click();
            if (route >= 2)
                win::Didacticiel->SupPop[route - 2]->click();
            win::Didacticiel->Ok->click();
            for (auto* other : platform::FormInstanceBase::all())
                QVERIFY2(other == &shown || !other->isLoaded(), qPrintable(other->className()));
            shown.windowIfLoaded()->close();
            QVERIFY(shown.isLoaded());  // no close box: the request is ignored
        }
        QVERIFY(shown.isVisible());
        (route == 4 ? win::Didacticiel->Back : route == 5 ? win::Menu->Somm : shown.windowIfLoaded()->findChildren<QPushButton*>().front())->click();
        QVERIFY(!shown.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(win::Sommaire.loadCount(), hubLoads + 1);
        QCOMPARE(EtatSon, int16_t(2));
    }

    void closingTheGameChooserEndsTheProgram()
    {
        int ended = 0;
        platform::setLastWindowUnloadedHandler([&ended] { ++ended; });
        win::Sommaire->Play->click();
        QVERIFY(win::Geomira.isLoaded());  // hidden since the title click
        win::Menu->close();
        QVERIFY(!platform::FormInstanceBase::anyLoaded());
        QCOMPARE(platform::FormInstanceBase::unloadJournal(), (QStringList{u"Geomira"_s, u"Menu"_s, u"Sommaire"_s}));
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
