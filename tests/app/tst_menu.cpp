// The game chooser: catalogue, settings, checks of "Jouer !".
#include "app/Menu.h"
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "quiz/QuizState.h"
#include "testkit/FakePlatform.h"
#include "testkit/Sandbox.h"

#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString kTitre = u"Saisie erronnée"_s;
const QString kChoisirJeu = u"Veuillez choisir un jeu parmi les 31 proposés"_s;
const QString kChoisirNiveau = u"Veuillez choisir un niveau de difficulté"_s;
const QString kChoisirTemps = u"Veuillez choisir le temps de réponse (limité ou illimité)."_s;
const QString kTempsCorrect = u"Veuillez saisir un temps de réponse correct."_s;
const QString kTempsMinimum = u"Veuillez saisir le temps de réponse désiré (3 secondes minimum)."_s;
const QString kNombre = u"Veuillez choisir le nombre de questions."_s;

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}
QStringList numbers(int n)
{
    QStringList items;
    for (int i = 1; i <= n; ++i)
        items << u" "_s + QString::number(i);
    return items;
}
} // namespace

class TestMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    QTemporaryDir* folder = nullptr;
    Menu* menu = nullptr;

    // A mouse click on a game's row, as the player does it.
    void clickGame(int g)
    {
        QTreeWidgetItem* item = menu->ListView1->topLevelItem(g - 1);
        menu->ListView1->scrollToItem(item, QAbstractItemView::PositionAtCenter);
        QCoreApplication::processEvents();
        const QRect rect = menu->ListView1->visualItemRect(item);
        QTest::mouseClick(menu->ListView1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // "Jouer !" pressed: the one refusal it shows, or an empty text when the game started.
    QString play()
    {
        fake->dialogs.boxes.clear();
        menu->JoueOK->click();
        QStringList refusals;
        for (const auto& box : fake->dialogs.boxes) {
            if (box.title == kTitre) {
                refusals << box.prompt;
                if (box.style != 64)
                    return u"style %1"_s.arg(box.style);
            }
        }
        if (refusals.size() > 1)
            return refusals.join(u" | "_s);
        return refusals.value(0);
    }
    // Game, level, time and count all chosen: everything "Jouer !" checks passes.
    void chooseAll(int g, const QString& secondes)
    {
        clickGame(g);
        menu->Niveau[0]->click();
        menu->Tps[1]->click();
        menu->Sec->setText(secondes);
        menu->NbQuest[1]->click();
    }

private slots:
    void initTestCase() { platform::installFontSubstitutions(); }

    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        folder = &sandbox->folder;
        win::Menu.Show();
        menu = win::Menu.ifLoaded();
        QVERIFY(menu);
    }
    void cleanup()
    {
        sandbox.reset();
    }

    void freshChooser()
    {
        QCOMPARE(menu->Label1->text(), u"Cliquez sur le jeu désiré parmi les 31 disponibles"_s);
        QCOMPARE(menu->Label4->text(), QString());
        QVERIFY(menu->Limite->isHidden());
        QVERIFY(menu->Question->isHidden());
        QVERIFY(menu->Sec->isHidden());
        QVERIFY(menu->Label2->isHidden());
        QVERIFY(!menu->ListNbQ->isHidden());  // shown inside its hidden frame
        for (auto* options : {&menu->Niveau, &menu->Tps, &menu->NbQuest})
            for (QRadioButton* option : *options)
                QVERIFY(!option->isChecked());
        QCOMPARE(play(), kChoisirJeu);
        QVERIFY(menu->isVisible());
    }

    void catalogue()
    {
        QTreeWidget* list = menu->ListView1;
        QCOMPARE(list->topLevelItemCount(), 31);
        const QTreeWidgetItem* header = list->headerItem();
        QCOMPARE(header->text(0), u"Jeu"_s);
        QCOMPARE(header->text(1), u"Information Donnée :"_s);
        QCOMPARE(header->text(2), u"Réponse Attendue :"_s);
        QCOMPARE(header->text(3), u"Aide :"_s);

        clickGame(17);
        menu->Tps[1]->click();
        menu->NbQuest[0]->click();
        list->scrollToTop();
        testkit::screenshot(menu, u"menu"_s);

        // Readable at 800 × 600: the window fits, and every text shows whole in its cell.
        QVERIFY(menu->frameGeometry().width() <= 800 && menu->frameGeometry().height() <= 600);
        for (int g = 1; g <= 31; ++g) {
            QTreeWidgetItem* item = list->topLevelItem(g - 1);
            list->scrollToItem(item);
            for (int c = 0; c < 4; ++c) {
                const QRect cell = list->visualRect(list->model()->index(g - 1, c));
                const QRect needed = list->fontMetrics().boundingRect(QRect(0, 0, cell.width() - 8, 10000),
                                                                      Qt::TextWordWrap, item->text(c));
                QVERIFY2(needed.width() <= cell.width() - 8 && needed.height() <= cell.height(),
                         qPrintable(u"game %1 column %2: %3x%4 in %5x%6"_s.arg(g).arg(c).arg(needed.width())
                                        .arg(needed.height()).arg(cell.width()).arg(cell.height())));
            }
        }
        QVERIFY(list->header()->sectionPosition(3) + list->header()->sectionSize(3) <= list->viewport()->width());
    }

    // The catalogue: each game's row, the seconds it proposes and how many items it asks.
    void eachGame_data()
    {
        QTest::addColumn<QString>("information");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("aide");
        QTest::addColumn<int>("secondes");
        QTest::addColumn<int>("items");
        QTest::newRow("1") << u"Numéro d'un département"_s << u"Nom du département"_s
            << u"Colorie le département"_s << 30 << 96;
        QTest::newRow("2") << u"Nom d'un département"_s << u"Numéro du département"_s
            << u"Colorie le département"_s << 15 << 96;
        QTest::newRow("3") << u"Numéro d'un département"_s << u"Positionner le département sur la carte"_s
            << u"Donne le nom du département"_s << 15 << 96;
        QTest::newRow("4") << u"Nom d'un département"_s << u"Positionner le département sur la carte"_s
            << u"Donne le numéro du département"_s << 15 << 96;
        QTest::newRow("5") << u"Numéro d'un département"_s << u"Nom de la préfecture du département"_s
            << u"Colorie département,donne son nom + liste des préfectures"_s << 30 << 96;
        QTest::newRow("6") << u"Nom d'un département"_s << u"Nom de la préfecture du département"_s
            << u"Colorie département, donne son n° + liste des préfectures"_s << 30 << 96;
        QTest::newRow("7") << u"Colorie un département"_s << u"Numéro du département"_s
            << u"Donne le nom du département"_s << 15 << 96;
        QTest::newRow("8") << u"Colorie un département"_s << u"Nom du département"_s
            << u"Donne le numéro du département"_s << 30 << 96;
        QTest::newRow("9") << u"Colorie un département"_s << u"Nom de la préfecture du département"_s
            << u"Numéro et nom du département + liste des préfectures"_s << 30 << 96;
        QTest::newRow("10") << u"Nom de la préfecture départementale"_s << u"Nom du département"_s
            << u"Colorie le département et donne son numéro"_s << 30 << 96;
        QTest::newRow("11") << u"Nom de la préfecture départementale"_s << u"Numéro du département"_s
            << u"Colorie le département et donne son nom"_s << 30 << 96;
        QTest::newRow("12") << u"Nom de la préfecture départementale"_s << u"Positionner la préfecture dans le bon département"_s
            << u"Donne le numéro du département"_s << 15 << 96;
        QTest::newRow("13") << u"Nom d'une région"_s << u"Positionner la région sur la carte"_s
            << u"Donne le numéro et le nom des départements"_s << 15 << 22;
        QTest::newRow("14") << u"Colorie une région"_s << u"Nom de la région"_s
            << u"Donne la liste des régions"_s << 30 << 22;
        QTest::newRow("15") << u"Nom d'une région"_s << u"Numéro des départements"_s
            << u"Colorie la région et donne le nom des départements"_s << 35 << 22;
        QTest::newRow("16") << u"Colorie une région"_s << u"Numéro des départements"_s
            << u"Donne le nom de la région et le nom des départements"_s << 35 << 22;
        QTest::newRow("17") << u"Nom d'une région"_s << u"Nom des départements"_s
            << u"Colorie la région et donne le numéro des départements"_s << 60 << 22;
        QTest::newRow("18") << u"Colorie une région"_s << u"Nom des départements"_s
            << u"Donne le nom de la région et le numéro des départements"_s << 60 << 22;
        QTest::newRow("19") << u"Numéro des départements"_s << u"Nom de la région"_s
            << u"Colorie la région + nom des départements + liste régions"_s << 30 << 22;
        QTest::newRow("20") << u"Numéro des départements"_s << u"Positionner la région sur la carte"_s
            << u"Donne le nom des départements"_s << 15 << 22;
        QTest::newRow("21") << u"Nom des départements"_s << u"Nom de la région"_s
            << u"Colorie la région + n° des départements + liste régions"_s << 30 << 22;
        QTest::newRow("22") << u"Nom des départements"_s << u"Positionner la région sur la carte"_s
            << u"Donne le numéro des départements"_s << 30 << 22;
        QTest::newRow("23") << u"Nom de la préfecture régionale"_s << u"Positionner la préfecture dans la bonne région"_s
            << u"Donne le nom de la région"_s << 15 << 22;
        QTest::newRow("24") << u"Nom de la préfecture régionale"_s << u"Nom de la région"_s
            << u"Colorie la région et donne la liste des régions"_s << 30 << 22;
        QTest::newRow("25") << u"Nom de la région"_s << u"Nom de la préfecture régionale"_s
            << u"Colorie la région et propose la liste des préfectures"_s << 30 << 22;
        QTest::newRow("26") << u"Colorie une région"_s << u"Nom de la préfecture régionale"_s
            << u"Donne la liste des préfectures de région"_s << 30 << 22;
        QTest::newRow("27") << u"Nom d'un département"_s << u"Superficie du département"_s
            << u"Colorie le département et donne son numéro"_s << 10 << 96;
        QTest::newRow("28") << u"Nom d'un département"_s << u"Population du département"_s
            << u"Colorie le département et donne son numéro"_s << 10 << 96;
        QTest::newRow("29") << u"Nom d'une région"_s << u"Superficie de la région"_s
            << u"Colorie la région"_s << 10 << 22;
        QTest::newRow("30") << u"Nom d'une région"_s << u"Population de la région"_s
            << u"Colorie la région"_s << 10 << 22;
        QTest::newRow("31") << u"Blason d'une région"_s << u"Nom de la région"_s
            << u"Colorie la région et propose la liste des régions"_s << 30 << 22;
    }
    void eachGame()
    {
        QFETCH(QString, information); QFETCH(QString, reponse); QFETCH(QString, aide);
        QFETCH(int, secondes); QFETCH(int, items);
        const int g = QString::fromLatin1(QTest::currentDataTag()).toInt();
        const QTreeWidgetItem* item = menu->ListView1->topLevelItem(g - 1);
        QCOMPARE(item->text(0), QString::number(g));
        QCOMPARE((QStringList{item->text(1), item->text(2), item->text(3)}), (QStringList{information, reponse, aide}));
        clickGame(g);
        QCOMPARE(menu->Label4->text(), QString::number(g));
        QVERIFY(!menu->Limite->isHidden());
        QVERIFY(!menu->Question->isHidden());
        QVERIFY(menu->ListNbQ->isHidden());
        menu->Tps[1]->click();
        QVERIFY(!menu->Sec->isHidden());
        QVERIFY(!menu->Label2->isHidden());
        QCOMPARE(menu->Sec->text(), QString::number(secondes));
        QCOMPARE(itemsOf(menu->ListNbQ), numbers(items));
        QCOMPARE(menu->ListNbQ->currentIndex(), -1);
        QCOMPARE(menu->NbQuest[0]->text(), u"Fixe (1 à %1)"_s.arg(items));
        QCOMPARE(menu->NbQuest[1]->text(), u"Toutes (%1)"_s.arg(items));
    }

    void gameClickResetsTheGameState()
    {
        NbBonnes = 3.5f;
        NbFausses = 2;
        DejaPose.fill(1);
        clickGame(13);
        QCOMPARE(NbBonnes, 0.0f);
        QCOMPARE(NbFausses, 0.0f);
        for (int i = 1; i <= 22; ++i)
            QCOMPARE(DejaPose[i], int16_t(0));
        QCOMPARE(DejaPose[0], int16_t(1));
        QCOMPARE(DejaPose[23], int16_t(1));  // beyond the game's items: untouched
        clickGame(1);
        for (int i = 1; i <= 96; ++i)
            QCOMPARE(DejaPose[i], int16_t(0));
        QCOMPARE(DejaPose[97], int16_t(1));

        // "Jouer !" does not reset them again.
        NbBonnes = 1;
        DejaPose[5] = 1;
        menu->Niveau[1]->click();
        menu->Tps[0]->click();
        menu->NbQuest[1]->click();
        QCOMPARE(play(), QString());
        QCOMPARE(NbBonnes, 1.0f);
        QCOMPARE(DejaPose[5], int16_t(1));
    }

    void listFollowsTheLastGame()
    {
        clickGame(1);
        clickGame(13);
        QCOMPARE(itemsOf(menu->ListNbQ), numbers(22));
        QCOMPARE(menu->NbQuest[0]->text(), u"Fixe (1 à 22)"_s);
        QCOMPARE(menu->NbQuest[1]->text(), u"Toutes (22)"_s);
        clickGame(13);
        QCOMPARE(menu->ListNbQ->count(), 22);
        clickGame(27);
        QCOMPARE(itemsOf(menu->ListNbQ), numbers(96));
    }

    void secondGameClickHidesTheCountList()
    {
        clickGame(1);
        menu->Niveau[0]->click();
        menu->Tps[0]->click();
        menu->NbQuest[0]->click();
        QVERIFY(!menu->ListNbQ->isHidden());
        menu->ListNbQ->setCurrentIndex(9);
        QCOMPARE(menu->ListNbQ->currentText(), u" 10"_s);

        clickGame(2);
        QVERIFY(menu->ListNbQ->isHidden());
        QCOMPARE(menu->ListNbQ->currentText(), QString());
        QVERIFY(menu->NbQuest[0]->isChecked());
        QVERIFY(menu->Niveau[0]->isChecked());  // the other choices stay
        QCOMPARE(play(), kNombre);
        // "Fixe" again changes nothing; "Toutes" then "Fixe" shows the list.
        menu->NbQuest[0]->click();
        QVERIFY(menu->ListNbQ->isHidden());
        menu->NbQuest[1]->click();
        QVERIFY(menu->ListNbQ->isHidden());
        menu->NbQuest[0]->click();
        QVERIFY(!menu->ListNbQ->isHidden());
        QCOMPARE(play(), kNombre);
        menu->ListNbQ->setCurrentIndex(4);
        QCOMPARE(play(), QString());
    }

    void timeOption()
    {
        clickGame(17);
        menu->Tps[1]->click();
        QCOMPARE(menu->Sec->text(), u"60"_s);
        clickGame(2);
        QCOMPARE(menu->Sec->text(), u"60"_s);  // written only when the time option is clicked
        menu->Sec->setText(u"45"_s);
        menu->Tps[0]->click();
        QVERIFY(menu->Sec->isHidden());
        QVERIFY(menu->Label2->isHidden());
        QCOMPARE(menu->Sec->text(), u"45"_s);
        menu->Tps[1]->click();
        QCOMPARE(menu->Sec->text(), u"15"_s);
    }

    void checksRunInOrder()
    {
        // Everything missing: only the first fault is reported, each time.
        QCOMPARE(play(), kChoisirJeu);
        clickGame(1);
        QCOMPARE(play(), kChoisirNiveau);
        menu->Niveau[1]->click();
        QCOMPARE(play(), kChoisirTemps);
        menu->Tps[1]->click();
        menu->Sec->clear();
        QCOMPARE(play(), kTempsCorrect);
        menu->Sec->setText(u"2"_s);
        QCOMPARE(play(), kTempsMinimum);
        menu->Sec->setText(u"3"_s);
        QCOMPARE(play(), kNombre);
        menu->NbQuest[0]->click();
        QCOMPARE(play(), kNombre);
        // Nothing was changed by the refusals.
        QCOMPARE(menu->Sec->text(), u"3"_s);
        QVERIFY(menu->isVisible());
        QVERIFY(!win::CarteDep.isLoaded());
        menu->ListNbQ->setCurrentIndex(0);
        QCOMPARE(play(), QString());
        QCOMPARE(menu->Sec->text(), u" 4"_s);
    }

    void secondsWithUnlimitedTimeAreNotChecked()
    {
        clickGame(3);
        menu->Niveau[0]->click();
        menu->Tps[1]->click();
        menu->Sec->setText(u"abc"_s);
        menu->Tps[0]->click();
        menu->NbQuest[1]->click();
        QCOMPARE(play(), QString());
        QCOMPARE(menu->Sec->text(), u" 1"_s);
    }

    void secondsTheTimeBarCannotHonourAreRefused_data()
    {
        QTest::addColumn<QString>("secondes");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<QString>("stored");
        QTest::newRow("3") << u"3"_s << QString() << u" 4"_s;
        QTest::newRow("blanks") << u" 12 "_s << QString() << u" 13"_s;
        QTest::newRow("largest") << u"32766"_s << QString() << u" 32767"_s;
        QTest::newRow("empty") << QString() << kTempsCorrect << QString();
        QTest::newRow("letters") << u"dix"_s << kTempsCorrect << u"dix"_s;
        QTest::newRow("3.5") << u"3.5"_s << kTempsCorrect << u"3.5"_s;
        QTest::newRow("3,5") << u"3,5"_s << kTempsCorrect << u"3,5"_s;
        QTest::newRow("2.5") << u"2.5"_s << kTempsCorrect << u"2.5"_s;
        QTest::newRow("too large") << u"32767"_s << kTempsCorrect << u"32767"_s;
        QTest::newRow("far too large") << u"99999999999"_s << kTempsCorrect << u"99999999999"_s;
        QTest::newRow("1 2") << u"1 2"_s << kTempsCorrect << u"1 2"_s;
        QTest::newRow("2") << u"2"_s << kTempsMinimum << u"2"_s;
        QTest::newRow("negative") << u"-5"_s << kTempsMinimum << u"-5"_s;
    }
    void secondsTheTimeBarCannotHonourAreRefused()
    {
        QFETCH(QString, secondes);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        chooseAll(5, secondes);
        QCOMPARE(play(), message);
        QCOMPARE(menu->Sec->text(), stored);
        QCOMPARE(win::CarteDep.isLoaded(), message.isEmpty());
    }

    void playStartsAFreshQuizWindow()
    {
        clickGame(1);
        menu->Niveau[0]->click();
        menu->Tps[1]->click();
        QCOMPARE(menu->Sec->text(), u"30"_s);
        menu->NbQuest[0]->click();
        menu->ListNbQ->setCurrentIndex(9);
        QCOMPARE(play(), QString());
        QCOMPARE(menu->Sec->text(), u" 31"_s);
        QCOMPARE(menu->Label4->text(), u"1"_s);
        QCOMPARE(menu->ListNbQ->currentText(), u" 10"_s);
        QVERIFY(win::Menu.isLoaded());
        QVERIFY(!win::Menu.isVisible());
        QVERIFY(win::CarteDep.isVisible());
        QVERIFY(menu->Niveau[0]->isChecked() && menu->Tps[1]->isChecked() && menu->NbQuest[0]->isChecked());

        // Another start replaces the quiz window by a new one.
        const int quizLoads = win::CarteDep.loadCount();
        win::Menu.Show();
        clickGame(1);
        menu->NbQuest[1]->click();
        menu->Sec->setText(u"30"_s);
        QCOMPARE(play(), QString());
        QCOMPARE(win::CarteDep.loadCount(), quizLoads + 1);
        QVERIFY(win::CarteDep.isVisible());
    }

    void clickOutsideAnyGameChangesNothing()
    {
        clickGame(4);
        menu->ListView1->clearSelection();
        NbBonnes = 2;
        menu->ListView1_Click();
        QCOMPARE(menu->Label4->text(), u"4"_s);
        QCOMPARE(NbBonnes, 2.0f);
        QCOMPARE(menu->ListNbQ->count(), 96);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
