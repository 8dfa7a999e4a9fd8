// The quiz window's engine: lists, question cycle, countdown, painting, hit test,
// dispatch, score and end of game.
#include "AncienneFixture.h"
#include "testkit/Sandbox.h"

#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "quiz/Tables.h"

#include <QTest>
#include <sys/stat.h>
#include <QMouseEvent>
#include <QTextEdit>
#include <cmath>
#include "platform/Random.h"

using namespace Qt::StringLiterals;

class TestQuizEngine : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    QTemporaryDir* folder = nullptr;
    std::unique_ptr<CarteEnregistree> carte;

    // Opens a game in a recording quiz window (its load asks the first question).
    CarteEnregistree* ouvre(const Reglages& r)
    {
        choisis(r);
        carte = std::make_unique<CarteEnregistree>();
        carte->Form_Load();
        return carte.get();
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        folder = &sandbox->folder;
        Cle = QString::fromLatin1(kCleValue);
        fake->random.values = {0.0};  // département 1 unless a test says otherwise
    }
    void cleanup()
    {
        carte.reset();
        sandbox.reset();
    }

    void answerLists_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("5") << u"5"_s << 96 << u"Agen"_s << u"Vesoul"_s;
        QTest::newRow("9") << u"9"_s << 96 << u"Agen"_s << u"Vesoul"_s;
        QTest::newRow("6") << u"6"_s << 96 << u"Agen"_s << u"Vesoul"_s;
        QTest::newRow("19") << u"19"_s << 22 << u"Alsace"_s << u"Rhône-Alpes"_s;
        QTest::newRow("25") << u"25"_s << 22 << u"Ajaccio"_s << u"Toulouse"_s;
        QTest::newRow("14") << u"14"_s << 22 << u"Alsace"_s << u"Rhône-Alpes"_s;
        QTest::newRow("31") << u"31"_s << 22 << u"Alsace"_s << u"Rhône-Alpes"_s;
        QTest::newRow("26") << u"26"_s << 22 << u"Ajaccio"_s << u"Toulouse"_s;
        QTest::newRow("1") << u"1"_s << 0 << QString() << QString();
    }
    void answerLists()
    {
        QFETCH(QString, jeu);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        Reglages r;
        r.jeu = jeu;
        CarteDep* c = ouvre(r);
        QCOMPARE(c->ListRep->count(), count);
        QCOMPARE(c->ListRep->currentIndex(), -1);  // nothing chosen until the player chooses
        if (count == 0)
            return;
        QCOMPARE(c->ListRep->itemText(0), first);
        QCOMPARE(c->ListRep->itemText(count - 1), last);
        if (count == 96) {
            QCOMPARE(c->ListRep->itemText(52), u"Lons le Saunier"_s);
            QStringList sorted;
            for (int i = 1; i <= 96; ++i)
                sorted << PrefDep[i].toUpper();
            QStringList listed;
            for (int i = 0; i < 96; ++i)
                listed << c->ListRep->itemText(i).toUpper();
            sorted.sort();
            listed.sort();
            QCOMPARE(listed, sorted);  // the same préfectures, letter case aside
        } else if (jeu == u"14"_s) {
            QCOMPARE(c->ListRep->itemText(3), u"Basse Normandie"_s);
            QCOMPARE(c->ListRep->itemText(16), u"Haute Normandie"_s);
        }
    }

    void timeBarAndQuestionOpening()
    {
        // Timed, 30 seconds chosen: the bar runs from 31 and the question opens at 29.
        CarteDep* c = ouvre(Reglages{});
        QCOMPARE(c->Temps->Max(), 31.0f);
        QCOMPARE(c->Temps->Value(), 29.0f);
        QVERIFY(!c->Temps->isHidden());
        QVERIFY(c->Timer1->isActive());
        // Untimed: the bar keeps its range 0 to 20, stays hidden, opens at 18.
        Reglages r;
        r.tps = 0;
        c = ouvre(r);
        QCOMPARE(c->Temps->Max(), 20.0f);
        QVERIFY(c->Temps->isHidden());
        QCOMPARE(c->Temps->Value(), 18.0f);
    }

    void questionTextsOfGames1to5()
    {
        Reglages r;
        fake->random.values = {19.5 / 96};  // draws 20: Haute Corse
        CarteDep* c = ouvre(r);
        QCOMPARE(Tirage, 20.0f);
        QCOMPARE(c->LblQuest->text(), u"\r\nQuel est le nom du département n° 2B"_s);
        QCOMPARE(c->Label1->text(), u"Jeu n° 1"_s);
        QCOMPARE(c->Label1->toolTip(), u"Q: Numéro d'un département  -  R: Nom du département"_s);
        QCOMPARE(c->Question->title(), u"Question  1/ 10 :"_s);
        QCOMPARE(c->aide->title(), u"Aide Activée."_s);
        QCOMPARE(c->LblAide->text(), u"Colorie le département"_s);
        c->Timer1_Timer();
        testkit::screenshot(c, u"quiz_game1"_s);
        // The map box is the map's grey around the picture, under the map's title too.
        const QImage carte = c->Picture1->grab().toImage();
        QCOMPARE(carte.pixelColor(470, 494), QColor(192, 192, 192));
        QCOMPARE(carte.pixelColor(245, 490), QColor(192, 192, 192));

        r.jeu = u"4"_s;
        fake->random.values = {6.5 / 96};
        c = ouvre(r);
        QCOMPARE(c->LblQuest->text(), u"Placer le département \r\nArdèche (7)"_s);
        QVERIFY(c->Reponse->isHidden());

        r.jeu = u"5"_s;
        r.niveau = 1;
        fake->random.values = {95.5 / 96};
        c = ouvre(r);
        QCOMPARE(c->LblQuest->text(), u"Quel est le nom du la préfecture du \r\ndépartement 2A"_s);
        QCOMPARE(c->aide->title(), u"Aide Non Activée."_s);
        QVERIFY(c->ListRep->isHidden());

        r.niveau = 0;
        fake->random.values = {49.5 / 96};
        c = ouvre(r);
        QCOMPARE(c->LblQuest->text(), u"Quel est le nom de la préfecture du\r\ndépartement n° 50\r\nManche"_s);
        QVERIFY(!c->ListRep->isHidden());
        QVERIFY(c->Rep->isHidden());
        QCOMPARE(c->ListRep->currentIndex(), -1);
        testkit::screenshot(c, u"quiz_game5"_s);
    }

    void drawWithoutRepeatAndEndOfGame()
    {
        Reglages r;
        r.jeu = u"3"_s;  // no report
        r.nbQuest = 1;   // all 96
        r.tps = 0;
        fake->random.values.clear();
        for (int i = 0; i < 96; ++i)
            fake->random.values.push_back((95 - i + 0.5) / 96);
        CarteDep* c = ouvre(r);
        QCOMPARE(NbQuestions, int16_t(96));
        QCOMPARE(Tirage, 96.0f);
        // Answer each question by counting it, as the checks do; redraws of asked items repeat.
        QSet<int> asked{96};
        for (int q = 2; q <= 96; ++q) {
            NbFausses += 1;
            fake->random.values.push_front(0.999);  // 96 again: already asked, drawn again
            c->PoseQuestion();
            QVERIFY(!asked.contains(int(Tirage)));
            asked.insert(int(Tirage));
            QCOMPARE(c->Question->title(), u"Question "_s + platform::Str(q) + u"/ 96 :"_s);
        }
        QCOMPARE(asked.size(), 96);
        NbFausses += 1;
        const int draws = fake->random.draws;
        c->PoseQuestion();  // the 97th call ends the game without drawing
        QCOMPARE(fake->random.draws, draws);
        QVERIFY(c->partieTerminee());
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QVERIFY(!win::Rapport.isLoaded());  // game 3 keeps no report
        QVERIFY(win::Sommaire.isVisible());  // hub branch
        QVERIFY(!win::Menu.isLoaded());
    }

    void noItemLeftEndsTheGame()
    {
        Reglages r;
        r.nombre = u" 10"_s;
        choisis(r);
        DejaPose.fill(1);  // every département already asked
        carte = std::make_unique<CarteEnregistree>();
        carte->Form_Load();
        QVERIFY(carte->partieTerminee());
        QCOMPARE(fake->random.draws, 0);
    }

    void reportHeadingOnlyInReportGames()
    {
        ouvre(Reglages{});
        QTextEdit* report = win::Rapport.ifLoaded()->RichTextBox1;
        QVERIFY(!win::Rapport.isVisible());
        QVERIFY(report->toPlainText().startsWith(u"Correction de vos erreurs pour ce jeu n° 1 :\nQ: Numéro d'un département  -  R : Nom du département\n"_s));
        win::Rapport.Unload();
        Reglages r;
        r.jeu = u"4"_s;
        ouvre(r);
        QVERIFY(!win::Rapport.isLoaded());
    }

    void countdownLimited_data()
    {
        QTest::addColumn<QString>("sec");
        QTest::addColumn<int>("son");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<int>("ticks");
        QStringList max31{u"clock.wav"_s};  // opening
        for (int i = 0; i < 25; ++i)
            max31 << u"clock.wav"_s;
        max31 << u"beep.wav"_s << u"beep.wav"_s << u"beep.wav"_s << u"beep.wav"_s;
        QTest::newRow("3 seconds") << u" 4"_s << 2 << QStringList{u"beep.wav"_s, u"beep.wav"_s, u"beep.wav"_s} << 2;
        QTest::newRow("30 seconds") << u" 31"_s << 2 << max31 << 29;
        QTest::newRow("sound off") << u" 4"_s << 1 << QStringList{} << 2;
    }
    void countdownLimited()
    {
        QFETCH(QString, sec);
        QFETCH(int, son);
        QFETCH(QStringList, sounds);
        QFETCH(int, ticks);
        Reglages r;
        r.sec = sec;
        choisis(r);
        EtatSon = int16_t(son);
        carte = std::make_unique<CarteEnregistree>();
        carte->Form_Load();
        QCOMPARE(carte->Temps->Value(), carte->Temps->Max() - 2);
        for (int t = 1; t < ticks; ++t) {
            carte->Timer1_Timer();
            QVERIFY(carte->appels.isEmpty());
        }
        carte->pendant = [this] { QCOMPARE(TempsEcoule, int16_t(1)); QVERIFY(!carte->Timer1->isActive()); };
        carte->Timer1_Timer();
        QCOMPARE(carte->appels, QStringList{u"1a5"_s});
        QCOMPARE(carte->Temps->Value(), 0.0f);
        QCOMPARE(fake->sound.names(), sounds);
    }

    void countdownUnlimitedOnlyPaints()
    {
        ecritPixels(u"D7.dat"_s, {{{10, 10, 7}}});
        Reglages r;
        r.tps = 0;
        fake->random.values = {6.5 / 96};
        CarteEnregistree* c = ouvre(r);
        QCOMPARE(Tirage, 7.0f);
        QVERIFY(!c->Picture1->hasSetPixel(10, 10));
        for (int t = 0; t < 5; ++t) {
            c->Timer1_Timer();
            QVERIFY(c->Picture1->hasSetPixel(10, 10));
            c->Picture1->clearPixels();
            QCOMPARE(c->Temps->Value(), 18.0f);
        }
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(c->appels.isEmpty());
    }

    void paintingLevelsByGame()
    {
        ecritPixels(u"D1.dat"_s, {{{5, 6, 1}}});
        Reglages r;
        r.tps = 0;
        r.niveau = 1;  // game 1 at the hard level: never painted
        CarteEnregistree* c = ouvre(r);
        c->Timer1_Timer();
        QVERIFY(!c->Picture1->hasSetPixel(5, 6));
        r.niveau = 0;
        fake->random.values = {0.0};
        c = ouvre(r);
        QVERIFY(!c->Picture1->hasSetPixel(5, 6));  // not at the opening step
        c->Timer1_Timer();
        QCOMPARE(c->Picture1->colorAt(5, 6), QColor(0, 235, 0));
        r.jeu = u"3"_s;  // a map game: the countdown never paints
        fake->random.values = {0.0};
        c = ouvre(r);
        c->Timer1_Timer();
        QVERIFY(!c->Picture1->hasSetPixel(5, 6));
    }

    void paintingFromPixelFiles()
    {
        CarteEnregistree* c = ouvre(Reglages{});
        c->Picture1->clearPixels();
        // 27 bytes: two records and a stray byte.
        ecritPixels(u"D12.dat"_s, {{{1, 2, 12}}, {{3, 4, 12}}}, QByteArray("x"));
        // The clicked département shares a pixel with the asked one: green wins.
        ecritPixels(u"D96.dat"_s, {{{3, 4, 96}}, {{7, 8, 96}}, {{100000, 5, 96}}});
        Tirage = 12;
        DepClique = 96;
        c->ColorieErreurDep();
        QCOMPARE(c->Picture1->colorAt(1, 2), QColor(0, 235, 0));
        QCOMPARE(c->Picture1->colorAt(3, 4), QColor(0, 235, 0));
        QCOMPARE(c->Picture1->colorAt(7, 8), QColor(250, 0, 0));
        // A missing file paints nothing and is not created.
        c->Picture1->clearPixels();
        Tirage = 44;
        c->ColorieTirage();
        QVERIFY(!QFile::exists(platform::appFile(u"D44.dat"_s)));
        // Régions: the région of the clicked département in red, the asked one in green.
        ecritPixels(u"R8.dat"_s, {{{20, 20, 20}}});
        ecritPixels(u"R3.dat"_s, {{{21, 21, 15}}});
        Tirage = 3;
        DepClique = 20;  // Haute Corse, in Corse (8)
        c->ColorieErreurReg();
        QCOMPARE(c->Picture1->colorAt(20, 20), QColor(250, 0, 0));
        QCOMPARE(c->Picture1->colorAt(21, 21), QColor(0, 235, 0));
        // Only a regular file of a plausible size is a pixel file: a named pipe
        // (opening it would block the window) and an oversized file paint nothing.
        QVERIFY(::mkfifo(QFile::encodeName(platform::appFile(u"D45.dat"_s)).constData(), 0600) == 0);
        ecritPixels(u"D46.dat"_s, {{{30, 30, 46}}});
        QVERIFY(QFile::resize(platform::appFile(u"D46.dat"_s), kTailleMaxFichierPixels + 13));
        for (float tirage : {45.0f, 46.0f}) {
            Tirage = tirage;
            c->ColorieTirage();
        }
        QVERIFY(!c->Picture1->hasSetPixel(30, 30));
        // Hiding the window wipes the painting.
        c->show();
        c->hide();
        QVERIFY(!c->Picture1->hasSetPixel(21, 21));
    }

    void drawNeverPassesTheLastItem()
    {
        fake->random.values = {std::nextafter(1.0, 0.0)};
        ouvre(Reglages{});
        QCOMPARE(Tirage, 96.0f);
        // The program's own generator stays below 1 even in single precision.
        for (int i = 0; i < 100000; ++i)
            QVERIFY(float(platform::Random::real().next()) < 1.0f);
    }

    void pixelFileFields()
    {
        CarteEnregistree* c = ouvre(Reglages{});
        c->Picture1->clearPixels();
        // An empty file paints nothing.
        ecritPixels(u"D30.dat"_s, {});
        Tirage = 30;
        c->ColorieTirage();
        QVERIFY(QFile::exists(platform::appFile(u"D30.dat"_s)));
        // A left-aligned "12   " reads 12; a field without digits reads 0 (left column).
        QFile file(platform::appFile(u"D31.dat"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Crypte(Cle, QByteArray("12   ")) + Crypte(Cle, QByteArray("7    ")) + Crypte(Cle, QByteArray("31 ")));
        file.write(Crypte(Cle, QByteArray("abc  ")) + Crypte(Cle, QByteArray("9    ")) + Crypte(Cle, QByteArray("31 ")));
        file.write(Crypte(Cle, QByteArray("9E+99")) + Crypte(Cle, QByteArray("9    ")) + Crypte(Cle, QByteArray("31 ")));
        file.close();
        Tirage = 31;
        c->ColorieTirage();
        QVERIFY(c->Picture1->hasSetPixel(12, 7));
        QVERIFY(c->Picture1->hasSetPixel(0, 9));
        const auto points = LitPointsCarte(platform::appFile(u"D31.dat"_s), true);
        QCOMPARE(points.size(), size_t(3));
        QVERIFY(points[0].valide);
        QVERIFY(!points[1].valide);
        QVERIFY(!points[2].valide);
        // A new picture forgets the painting.
        c->Picture1->setPicture(c->Picture1->picture());
        QVERIFY(!c->Picture1->hasSetPixel(12, 7));
    }

    void familyByGame_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<bool>("region");
        QTest::newRow("12") << u"12"_s << false;
        QTest::newRow("27") << u"27"_s << false;
        QTest::newRow("28") << u"28"_s << false;
        QTest::newRow("13") << u"13"_s << true;
        QTest::newRow("29") << u"29"_s << true;
        QTest::newRow("31") << u"31"_s << true;
    }
    void familyByGame()
    {
        QFETCH(QString, jeu);
        QFETCH(bool, region);
        ecritPixels(u"D5.dat"_s, {{{40, 41, 5}}});
        ecritPixels(u"R5.dat"_s, {{{50, 51, 5}}});
        Reglages r;
        r.jeu = jeu;
        CarteEnregistree* c = ouvre(r);
        c->Picture1->clearPixels();
        Tirage = 5;
        c->ColorieTirage();
        QCOMPARE(c->Picture1->hasSetPixel(50, 51), region);
        QCOMPARE(c->Picture1->hasSetPixel(40, 41), !region);
    }

    void doubleClickIsOneClick()
    {
        Reglages r;
        r.jeu = u"3"_s;
        CarteEnregistree* c = ouvre(r);
        c->show();
        // The events of a double click: press, release, double-click press, release.
        QTest::mousePress(c->Picture1, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(c->Picture1, Qt::LeftButton, {}, QPoint(3, 3));
        QMouseEvent doublePress(QEvent::MouseButtonDblClick, QPointF(3, 3), c->Picture1->mapToGlobal(QPointF(3, 3)),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(c->Picture1, &doublePress);
        QTest::mouseRelease(c->Picture1, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(c->appels.size(), 1);
        QCOMPARE(SourisX, int16_t(3));
    }

    void mapClicks()
    {
        Reglages r;
        r.jeu = u"3"_s;
        CarteEnregistree* c = ouvre(r);
        c->Picture1_MouseMove(0, 0, 2250, 1500);
        QCOMPARE(SourisX, int16_t(150));
        QCOMPARE(SourisY, int16_t(100));

        // The sea: no column file. The check runs and refuses; the map stays open.
        c->pendant = [] { QCOMPARE(DepTrouve, int16_t(0)); };
        c->Picture1_Click();
        QCOMPARE(c->appels.size(), 1);
        QCOMPARE(SolutionVue, int16_t(0));
        QCOMPARE(DepClique, int16_t(0));

        // A column file: bad records are no hit, the last match wins, the map closes after the check.
        QByteArray bad = Crypte(Cle, QByteArray("  1x0")) + Crypte(Cle, QByteArray("  100")) + Crypte(Cle, QByteArray(" 12"));
        QByteArray noDepartement = EcritPointCarte(150, 100, 0);
        ecritPixels(u"F150.dat"_s, {{{150, 99, 5}}, {{150, 100, 50}}, {{150, 100, 61}}}, bad + noDepartement);
        c->pendant = [] {
            QCOMPARE(DepTrouve, int16_t(1));
            QCOMPARE(DepClique, int16_t(61));
            QCOMPARE(SolutionVue, int16_t(0));
        };
        c->Picture1_Click();
        QCOMPARE(c->appels.size(), 2);
        QCOMPARE(SolutionVue, int16_t(1));
        QCOMPARE(NomDepClique, u"Orne"_s);
        c->Picture1_Click();  // closed: ignored
        QCOMPARE(c->appels.size(), 2);

        // Not a map game: nothing.
        r.jeu = u"1"_s;
        c = ouvre(r);
        c->Picture1_Click();
        QVERIFY(c->appels.isEmpty());
    }

    void dispatchRanges()
    {
        const int expected[] = {0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 7};
        for (int g = 0; g <= 31; ++g)
            QCOMPARE(BlocCorrection(g), expected[g]);
        QCOMPARE(BlocCorrection(40), 7);
        QCOMPARE(BlocCorrection(-1), 0);

        // Every input of the window runs exactly one check.
        const std::pair<const char*, const char*> games[] = {{"5", "1a5"}, {"15", "11a15"}, {"30", "26a30"}, {"31", "31"}};
        for (const auto& [jeu, check] : games) {
            Reglages r;
            r.jeu = QString::fromLatin1(jeu);
            r.tps = 0;
            CarteEnregistree* c = ouvre(r);
            c->ListRep->hide();
            c->Rep->show();
            c->Rep->setText(u"x"_s);
            int16_t key = 13;
            c->Rep_KeyPress(key);
            QCOMPARE(key, int16_t(0));
            key = 13;
            c->D_KeyPress(0, key);
            key = 13;
            c->ND_KeyPress(7, key);
            c->ListRepOk_Click();
            c->Choix_Click(2);
            c->NoSais_Click();
            QCOMPARE(c->appels, QStringList(6, QString::fromLatin1(check)));
        }
    }

    void inputHandlers()
    {
        Reglages r;
        r.jeu = u"5"_s;
        r.tps = 0;
        CarteEnregistree* c = ouvre(r);  // easy level: the list is shown
        c->ListRepOk_Click();            // nothing selected: nothing
        QVERIFY(c->appels.isEmpty());
        c->ListRep->setCurrentIndex(1);
        c->ListRepOk_Click();
        QCOMPARE(c->Rep->text(), u"Ajaccio"_s);
        QCOMPARE(c->appels.size(), 1);

        r.niveau = 1;  // the list hidden: the button is Enter in Rep
        c = ouvre(r);
        c->ListRepOk_Click();  // empty box: nothing
        QVERIFY(c->appels.isEmpty());
        c->Rep->setText(u"   "_s);
        int16_t key = 13;
        c->Rep_KeyPress(key);  // blanks only still run the check
        QCOMPARE(c->appels.size(), 1);
        key = 'a';
        c->Rep_KeyPress(key);
        QCOMPARE(key, int16_t('a'));
        QCOMPARE(c->appels.size(), 1);
        c->Choix[1]->setText(u" 5 762 km²"_s);
        c->Choix_Click(1);
        QCOMPARE(c->Rep->text(), u" 5 762 km²"_s);
        c->pendant = [] { QCOMPARE(NeSaisPas, int16_t(1)); };
        c->NoSais_Click();
        c->PoseQuestion();
        QCOMPARE(NeSaisPas, int16_t(0));
    }

    void verdictPanelCounting()
    {
        Reglages r;
        r.jeu = u"3"_s;
        r.nombre = u" 3"_s;
        r.tps = 0;
        CarteEnregistree* c = ouvre(r);
        c->Solution->show();
        c->NoSais->hide();
        EtatCarte = 1;
        c->btnOK_Click();
        QVERIFY(c->Solution->isHidden());
        QVERIFY(!c->NoSais->isHidden());
        QCOMPARE(c->Note->text(), u" 1/ 1 soit  100 % "_s);
        EtatCarte = 3;  // time over counts as wrong
        c->btnOK_Click();
        QCOMPARE(NbFausses, 1.0f);
        QCOMPARE(c->Note->text(), u" 1/ 2 soit  50 % "_s);
        EtatCarte = 0;  // no verdict: nothing counted
        c->btnOK_Click();
        QCOMPARE(NbBonnes + NbFausses, 2.0f);
    }

    void scoreAndDatedLine()
    {
        QCOMPARE(TexteScore(2, 1), u" 2/ 3 soit  66.67 % "_s);
        QCOMPARE(TexteScore(0, 1), u" 0/ 1 soit  0 % "_s);
        QCOMPARE(TexteScore(1.5f, 0.5f), u" 1.5/ 2 soit  75 % "_s);
        QCOMPARE(TexteScore(1, 2), u" 1/ 3 soit  33.33 % "_s);
        QCOMPARE(LigneDatee(QDateTime(QDate(2026, 12, 5), QTime(14, 7))), u"Le  5/ 12/ 2026 à 14 h 7   -   Geomira"_s);
        QCOMPARE(LigneDatee(QDateTime(QDate(2024, 1, 9), QTime(0, 0))), u"Le  9/ 1/ 2024 à 0 h 0   -   Geomira"_s);
    }

    void endOfGameWithAReport()
    {
        Reglages r;
        r.nombre = u" 2"_s;
        win::Menu.Load();
        choisis(r);
        fake->random.values = {0.0, 0.5};
        win::CarteDep.Show();  // the real window: its checks are the game's own
        CarteDep* c = win::CarteDep.ifLoaded();
        NbFausses = 1;
        c->Note->setText(TexteScore(NbBonnes, NbFausses));
        c->PoseQuestion();
        NbBonnes = 1;
        c->Note->setText(TexteScore(NbBonnes, NbFausses));
        // The countdown cannot judge anything once the end message is up.
        fake->dialogs.onBox = [c](const testkit::ShownBox&) { QVERIFY(!c->Timer1->isActive()); };
        c->PoseQuestion();
        QVERIFY(c->partieTerminee());
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt,
                 u"Plus de Question à posée.\r\nVous avez obtenu un score de :\r\n\r\n 1/ 2 soit  50 %  de réussite."_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 64);
        QVERIFY(win::Rapport.isVisible());
        QVERIFY(!c->isVisible());
        QVERIFY(win::Menu.isLoaded());
        const QString text = win::Rapport->RichTextBox1->toPlainText();
        QVERIFY(text.endsWith(u"\n\nLe  15/ 3/ 2024 à 14 h 5   -   Geomira"_s) || text.endsWith(u"\n\nLe  15/ 3/ 2024 à 14 h 5   -   Geomira\n"_s));
        const double value = c->Temps->Value();
        c->Timer1_Timer();
        QCOMPARE(c->Temps->Value(), value);
    }

    void abandon()
    {
        // "Non": nothing changes, the countdown goes on.
        CarteEnregistree* c = ouvre(Reglages{});
        fake->dialogs.answers = {platform::vbNo};
        fake->dialogs.onBox = [c](const testkit::ShownBox&) { QVERIFY(!c->Timer1->isActive()); };
        c->Abandon_Click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Vous avez décidez d'abandonner ce jeu n°1"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 36);
        QVERIFY(c->Timer1->isActive());
        QVERIFY(!c->partieTerminee());

        // Before any counted answer: one message, a fresh hub, even in a report game.
        fake->dialogs.boxes.clear();
        fake->dialogs.onBox = nullptr;
        c->Abandon_Click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].prompt, u"Abandon demandé par le joueur."_s);
        QVERIFY(win::Sommaire.isVisible());
        QVERIFY(!win::Rapport.isLoaded());
        QVERIFY(c->partieTerminee());
        c->Timer1_Timer();
        c->NoSais_Click();
        QVERIFY(c->appels.isEmpty());

        // After a wrong answer in a report game: the report.
        c = ouvre(Reglages{});
        NbFausses = 1;
        c->Note->setText(TexteScore(0, 1));
        fake->dialogs.boxes.clear();
        c->Abandon_Click();
        QVERIFY(fake->dialogs.boxes[1].prompt.startsWith(u"Abandon demandé par le joueur.\r\nVous avez obtenu"_s));
        QVERIFY(win::Rapport.isVisible());
        QVERIFY(!c->Timer1->isActive());

        // The next game's load discards that report; given up after right answers only: no report.
        c = ouvre(Reglages{});
        QVERIFY(!win::Rapport.isVisible() && lignesRapport().isEmpty());
        NbBonnes = 1;
        c->Note->setText(TexteScore(1, 0));
        c->Abandon_Click();
        QVERIFY(win::Sommaire.isVisible() && !win::Rapport.isLoaded());
    }
};

QTEST_MAIN(TestQuizEngine)
#include "tst_quiz_engine.moc"
