// The quiz window's engine: answer lists, the draw and the end of a game, the
// question label's lines, the countdown, painting from pixel files, the map's
// hit test and abandon.
#include "QuizFixture.h"

#include "app/Sommaire.h"
#include "platform/Conversions.h"
#include "platform/Random.h"

#include <QMouseEvent>
#include <QSet>
#include <cmath>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A quiz window whose answer checks only record that they ran.
class CarteEnregistree : public CarteDep {
public:
    QStringList appels;
    void CorrigeJeux1a5() override { appels << u"1a5"_s; }
    void CorrigeJeux6a10() override { appels << u"6a10"_s; }
    void CorrigeJeux11a15() override { appels << u"11a15"_s; }
    void CorrigeJeux16a20() override { appels << u"16a20"_s; }
    void CorrigeJeux21a25() override { appels << u"21a25"_s; }
    void CorrigeJeux26a30() override { appels << u"26a30"_s; }
    void CorrigeJeu31() override { appels << u"31"_s; }
};

} // namespace

class TestQuizEngine : public QObject, QuizFixture {
    Q_OBJECT

    std::unique_ptr<CarteEnregistree> carte;

    // Opens a game in a recording quiz window (its load asks the first question).
    CarteEnregistree* ouvreEnregistree(const Reglages& r)
    {
        choisis(r);
        carte = std::make_unique<CarteEnregistree>();
        carte->Form_Load();
        return carte.get();
    }

private slots:
    void init()
    {
        ouvre();
        fake->random.values = {0.0};  // département 1 unless a test says otherwise
    }
    void cleanup()
    {
        carte.reset();
        ferme();
    }

    void answerLists_data()
    {
        colonnes<int>({"g", "count"});
        colonnes<QString>({"first", "last"});
        for (int g : {5, 6, 9})
            QTest::addRow("%d", g) << g << 96 << u"Agen"_s << u"Vesoul"_s;
        for (int g : {14, 19, 31})
            QTest::addRow("%d", g) << g << 22 << u"Alsace"_s << u"Rhône-Alpes"_s;
        for (int g : {25, 26})
            QTest::addRow("%d", g) << g << 22 << u"Ajaccio"_s << u"Toulouse"_s;
        QTest::newRow("1") << 1 << 0 << QString() << QString();
    }
    void answerLists()
    {
        QFETCH(int, g); QFETCH(int, count); QFETCH(QString, first); QFETCH(QString, last);
        CarteDep* c = ouvreEnregistree({.jeu = num(g)});
        QCOMPARE(c->ListRep->count(), count);
        QCOMPARE(c->ListRep->currentIndex(), -1);  // nothing chosen until the player chooses
        if (count == 0)
            return;
        QCOMPARE(c->ListRep->itemText(0), first);
        QCOMPARE(c->ListRep->itemText(count - 1), last);
        // The texts of the table, letter case aside.
        QStringList sorted, listed;
        for (int i = 1; i <= count; ++i) {
            sorted << (count == 96 ? PrefDep[i] : first == u"Alsace"_s ? NomRegion[i] : PrefRegion[i]).toUpper();
            listed << c->ListRep->itemText(i - 1).toUpper();
        }
        sorted.sort();
        listed.sort();
        QCOMPARE(listed, sorted);
        if (count == 96) {
            QCOMPARE(c->ListRep->itemText(52), u"Lons le Saunier"_s);
        } else if (g == 14) {
            QCOMPARE(c->ListRep->itemText(3), u"Basse Normandie"_s);
            QCOMPARE(c->ListRep->itemText(16), u"Haute Normandie"_s);
        }
    }

    void mapGreyAroundThePicture()
    {
        // The map box is the map's grey around the picture, under the map's title too.
        const QImage image = lance({})->Picture1->grab().toImage();
        QCOMPARE(image.pixelColor(470, 494), QColor(192, 192, 192));
        QCOMPARE(image.pixelColor(245, 490), QColor(192, 192, 192));
    }

    void drawWithoutRepeatAndEndOfGame()
    {
        fake->random.values.clear();
        for (int i = 0; i < 96; ++i)
            fake->random.values.push_back((95 - i + 0.5) / 96);
        CarteDep* c = ouvreEnregistree({.jeu = u"3"_s, .tps = 0, .nbQuest = 1});  // no report; all 96
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
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QVERIFY(!win::Rapport.isLoaded() && win::Sommaire.isVisible() && !win::Menu.isLoaded());
    }

    void noItemLeftEndsTheGame()
    {
        choisis({});
        DejaPose.fill(1);  // every département already asked
        carte = std::make_unique<CarteEnregistree>();
        carte->Form_Load();
        QCOMPARE(fake->dialogs.boxes.last().title, u"Terminé"_s);
        QCOMPARE(fake->random.draws, 0);
    }

    void questionsBreakOnlyWhereTheTextDoes_data()
    {
        colonnes<int>({"g", "niveau"});
        for (int g = 1; g <= 31; ++g) {
            QTest::addRow("%d easy", g) << g << 0;
            QTest::addRow("%d hard", g) << g << 1;
        }
    }
    void questionsBreakOnlyWhereTheTextDoes()
    {
        // Every item of the game is asked in turn: the longest names and préfectures come up.
        QFETCH(int, g); QFETCH(int, niveau);
        const bool deps = departementsJeu(g);
        CarteDep* c = ouvreEnregistree({.jeu = num(g), .niveau = niveau, .nbQuest = 1});
        for (int n = 1; n <= (deps ? 96 : 22); ++n) {
            DejaPose.fill(0);
            NbFausses = 1;
            fake->random.values = {deps ? tirage96(n) : tirage22(n), position(1)};
            c->PoseQuestion();
            const QLabel* l = c->LblQuest;
            const QFontMetrics fm(l->font());
            const int hauteur = fm.boundingRect(l->contentsRect(), int(l->alignment()) | Qt::TextWordWrap, l->text()).height();
            if ((hauteur + fm.leading()) / fm.lineSpacing() != l->text().count(u'\n') + 1)
                QFAIL(qPrintable(u"wrapped: "_s + l->text()));
        }
    }

    void drawNeverPassesTheLastItem()
    {
        CarteDep* c = lance({}, {std::nextafter(1.0, 0.0)});
        QCOMPARE(c->LblQuest->text(), u"\r\nQuel est le nom du département n° 2A"_s);
        // The program's own generator stays below 1 even in single precision.
        for (int i = 0; i < 100000; ++i)
            QVERIFY(float(platform::Random::real().next()) < 1.0f);
    }

    void countdownLimited_data()
    {
        colonnes<QString>({"sec"});
        colonnes<int>({"son"});
        colonnes<QStringList>({"sounds"});
        colonnes<int>({"ticks"});
        const QStringList max31 = QStringList(26, u"clock.wav"_s) + QStringList(4, u"beep.wav"_s);  // opening included
        QTest::newRow("3 seconds") << u" 4"_s << 2 << QStringList(3, u"beep.wav"_s) << 2;
        QTest::newRow("30 seconds") << u" 31"_s << 2 << max31 << 29;
        QTest::newRow("sound off") << u" 4"_s << 1 << QStringList{} << 2;
    }
    void countdownLimited()
    {
        QFETCH(QString, sec); QFETCH(int, son); QFETCH(QStringList, sounds); QFETCH(int, ticks);
        CarteDep* c = lance({.sec = sec, .son = son});
        QCOMPARE(c->Timer1->interval(), 1000);
        for (int t = 1; t < ticks; ++t)
            c->Timer1_Timer();
        QVERIFY(fake->dialogs.boxes.isEmpty());
        QStringList entendus;  // until the time-over box: the next question has its own opening sound
        fake->dialogs.onBox = [&](const testkit::ShownBox&) {
            QVERIFY(!c->Timer1->isActive());
            QCOMPARE(c->Temps->Value(), 0.0f);
            entendus = fake->sound.names();
        };
        c->Timer1_Timer();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Temps Ecoulé !"_s);
        QCOMPARE(entendus, sounds + QStringList{u"Erreur.wav"_s});
    }

    void countdownUnlimitedOnlyPaints()
    {
        ecritPixels(u"D7.dat"_s, {{{10, 10, 7}}});
        CarteDep* c = lance({.tps = 0, .son = 2}, {tirage96(7)});
        QVERIFY(!c->Picture1->hasSetPixel(10, 10));
        for (int t = 0; t < 5; ++t) {
            c->Timer1_Timer();
            QVERIFY(c->Picture1->hasSetPixel(10, 10));
            c->Picture1->clearPixels();
            QCOMPARE(c->Temps->Value(), 18.0f);
        }
        QVERIFY(fake->sound.played.isEmpty());
        QVERIFY(fake->dialogs.boxes.isEmpty());
    }

    void paintingFromPixelFiles()
    {
        CarteEnregistree* c = ouvreEnregistree({});
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

    void pixelFileFields()
    {
        CarteEnregistree* c = ouvreEnregistree({});
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
        QVERIFY(points[0].valide && !points[1].valide && !points[2].valide);
        // A new picture forgets the painting.
        c->Picture1->setPicture(c->Picture1->picture());
        QVERIFY(!c->Picture1->hasSetPixel(12, 7));
    }

    void doubleClickIsOneClick()
    {
        CarteDep* c = lance({.jeu = u"3"_s});
        // The events of a double click on the sea: press, release, double-click press, release.
        QTest::mousePress(c->Picture1, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(c->Picture1, Qt::LeftButton, {}, QPoint(3, 3));
        QMouseEvent doublePress(QEvent::MouseButtonDblClick, QPointF(3, 3), c->Picture1->mapToGlobal(QPointF(3, 3)),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(c->Picture1, &doublePress);
        QTest::mouseRelease(c->Picture1, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
    }

    void mapClicks()
    {
        // Game 3 asks Ain. Column 150's file: the last record of the clicked pixel wins; records
        // that are not three numbers (a blank field among them) or name no département are no hit.
        auto champ = [](const char* texte) { return Crypte(Cle, QByteArray(texte)); };
        ecritPixels(u"F150.dat"_s, {{{150, 99, 5}}, {{150, 100, 50}}, {{150, 100, 61}}},
                    champ("150  ") + champ("  100") + champ("1x2") + champ("150  ") + champ("     ") + champ(" 12")
                        + EcritPointCarte(150, 100, 0));
        CarteDep* c = lance({.jeu = u"3"_s}, {tirage96(1)});
        c->Picture1_MouseMove(0, 0, 2250, 0);  // twips: pixel (150, 0), where the blank field would read
        c->Picture1_Click();
        QCOMPARE(fake->sound.names(), QStringList{u"Faute.wav"_s});
        QVERIFY(c->Solution->isHidden());
        c->Picture1_MouseMove(0, 0, 2250, 1500);
        c->Picture1_Click();
        QCOMPARE(c->Solu->text(), u"Département attendu en vert.\r\nEn Rouge c'est 61 : Orne"_s);
        // Not a map game: nothing.
        c = relance({.jeu = u"1"_s});
        c->Picture1_Click();
        QVERIFY(fake->sound.played.isEmpty());
    }

    void abandon()
    {
        // "Non": nothing changes, the countdown goes on.
        CarteDep* c = lance({});
        fake->dialogs.answers = {platform::vbNo};
        fake->dialogs.onBox = [c](const testkit::ShownBox&) { QVERIFY(!c->Timer1->isActive()); };
        c->Abandon_Click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        verifieBoite(fake->dialogs.boxes[0], u"Vous avez décidez d'abandonner ce jeu n°1"_s, 36, u"Abandon ?"_s);
        QVERIFY(c->Timer1->isActive() && c->isVisible());
        // A countdown stopped under a map verdict stays stopped.
        c = relance({.jeu = u"3"_s});
        c->NoSais_Click();
        fake->dialogs.answers = {platform::vbNo};
        c->Abandon_Click();
        QVERIFY(!c->Timer1->isActive() && c->Solution->isVisible());

        // Before any counted answer: one message, a fresh hub, even in a report game; nothing judged after.
        c = relance({});
        c->Abandon_Click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].prompt, u"Abandon demandé par le joueur."_s);
        QVERIFY(win::Sommaire.isVisible() && !win::Rapport.isLoaded());
        c->Timer1_Timer();
        c->NoSais_Click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QVERIFY(fake->sound.played.isEmpty());

        // After a wrong answer in a report game: the report.
        c = relance({});
        c->NoSais_Click();
        c->Abandon_Click();
        QVERIFY(fake->dialogs.boxes[2].prompt.startsWith(u"Abandon demandé par le joueur.\r\nVous avez obtenu"_s));
        QVERIFY(win::Rapport.isVisible() && !c->Timer1->isActive());

        // The next game's load discards that report; given up after right answers only: no report.
        c = relance({}, {0.0});
        QVERIFY(!win::Rapport.isVisible() && lignesRapport().isEmpty());
        tape(c, u"Ain"_s);
        c->Abandon_Click();
        QVERIFY(win::Sommaire.isVisible() && !win::Rapport.isLoaded());
    }
};

QTEST_MAIN(TestQuizEngine)
#include "tst_quiz_engine.moc"
