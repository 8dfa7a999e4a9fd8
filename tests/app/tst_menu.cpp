// The game chooser: catalogue, settings, checks of "Jouer !".
#include "app/Menu.h"
#include "app/Windows.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "quiz/QuizState.h"
#include "testkit/FakePlatform.h"
#include "testkit/Sandbox.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// The refusals of "Jouer !", as their box shows them.
const QString kChoisirJeu = u"Saisie erronnée [64] Veuillez choisir un jeu parmi les 31 proposés"_s;
const QString kChoisirNiveau = u"Saisie erronnée [64] Veuillez choisir un niveau de difficulté"_s;
const QString kChoisirTemps = u"Saisie erronnée [64] Veuillez choisir le temps de réponse (limité ou illimité)."_s;
const QString kTempsCorrect = u"Saisie erronnée [64] Veuillez saisir un temps de réponse correct."_s;
const QString kTempsMinimum = u"Saisie erronnée [64] Veuillez saisir le temps de réponse désiré (3 secondes minimum)."_s;
const QString kNombre = u"Saisie erronnée [64] Veuillez choisir le nombre de questions."_s;
} // namespace

class TestMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
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
    // "Jouer !" pressed: the boxes it shows, or an empty text when the game started.
    QString play()
    {
        fake->dialogs.boxes.clear();
        menu->JoueOK->click();
        return fake->dialogs.shown().join(u" | "_s);
    }

private slots:
    void initTestCase() { platform::installFontSubstitutions(); }

    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        win::Menu.Show();
        menu = win::Menu.ifLoaded();
        QVERIFY(menu);
    }
    void cleanup() { sandbox.reset(); }

    void catalogue()
    {
        QTreeWidget* list = menu->ListView1;
        QCOMPARE(list->topLevelItemCount(), 31);
        const QTreeWidgetItem* header = list->headerItem();
        QCOMPARE((QStringList{header->text(0), header->text(1), header->text(2), header->text(3)}),
                 (QStringList{u"Jeu"_s, u"Information Donnée :"_s, u"Réponse Attendue :"_s, u"Aide :"_s}));

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

    // The catalogue: each game's row, the seconds it proposes and how many items it asks, all
    // following the last game clicked.
    void eachGame_data()
    {
        testkit::colonnes<QString>({"information", "reponse", "aide"});
        testkit::colonnes<int>({"secondes", "items"});
        // The information given, as most games share it.
        const QString numD = u"Numéro d'un département"_s, nomD = u"Nom d'un département"_s, colD = u"Colorie un département"_s;
        const QString prefD = u"Nom de la préfecture départementale"_s, prefR = u"Nom de la préfecture régionale"_s;
        const QString nomR = u"Nom d'une région"_s, colR = u"Colorie une région"_s, numDs = u"Numéro des départements"_s,
                      nomDs = u"Nom des départements"_s;
        int g = 0;
        auto jeu = [&g](const QString& information, const char16_t* reponse, const char16_t* aide, int secondes, int items) {
            QTest::addRow("%d", ++g) << information << QString::fromUtf16(reponse) << QString::fromUtf16(aide) << secondes << items;
        };
        jeu(numD, u"Nom du département", u"Colorie le département", 30, 96);
        jeu(nomD, u"Numéro du département", u"Colorie le département", 15, 96);
        jeu(numD, u"Positionner le département sur la carte", u"Donne le nom du département", 15, 96);
        jeu(nomD, u"Positionner le département sur la carte", u"Donne le numéro du département", 15, 96);
        jeu(numD, u"Nom de la préfecture du département", u"Colorie département,donne son nom + liste des préfectures", 30, 96);
        jeu(nomD, u"Nom de la préfecture du département", u"Colorie département, donne son n° + liste des préfectures", 30, 96);
        jeu(colD, u"Numéro du département", u"Donne le nom du département", 15, 96);
        jeu(colD, u"Nom du département", u"Donne le numéro du département", 30, 96);
        jeu(colD, u"Nom de la préfecture du département", u"Numéro et nom du département + liste des préfectures", 30, 96);
        jeu(prefD, u"Nom du département", u"Colorie le département et donne son numéro", 30, 96);
        jeu(prefD, u"Numéro du département", u"Colorie le département et donne son nom", 30, 96);
        jeu(prefD, u"Positionner la préfecture dans le bon département", u"Donne le numéro du département", 15, 96);
        jeu(nomR, u"Positionner la région sur la carte", u"Donne le numéro et le nom des départements", 15, 22);
        jeu(colR, u"Nom de la région", u"Donne la liste des régions", 30, 22);
        jeu(nomR, u"Numéro des départements", u"Colorie la région et donne le nom des départements", 35, 22);
        jeu(colR, u"Numéro des départements", u"Donne le nom de la région et le nom des départements", 35, 22);
        jeu(nomR, u"Nom des départements", u"Colorie la région et donne le numéro des départements", 60, 22);
        jeu(colR, u"Nom des départements", u"Donne le nom de la région et le numéro des départements", 60, 22);
        jeu(numDs, u"Nom de la région", u"Colorie la région + nom des départements + liste régions", 30, 22);
        jeu(numDs, u"Positionner la région sur la carte", u"Donne le nom des départements", 15, 22);
        jeu(nomDs, u"Nom de la région", u"Colorie la région + n° des départements + liste régions", 30, 22);
        jeu(nomDs, u"Positionner la région sur la carte", u"Donne le numéro des départements", 30, 22);
        jeu(prefR, u"Positionner la préfecture dans la bonne région", u"Donne le nom de la région", 15, 22);
        jeu(prefR, u"Nom de la région", u"Colorie la région et donne la liste des régions", 30, 22);
        jeu(u"Nom de la région"_s, u"Nom de la préfecture régionale", u"Colorie la région et propose la liste des préfectures", 30, 22);
        jeu(colR, u"Nom de la préfecture régionale", u"Donne la liste des préfectures de région", 30, 22);
        jeu(nomD, u"Superficie du département", u"Colorie le département et donne son numéro", 10, 96);
        jeu(nomD, u"Population du département", u"Colorie le département et donne son numéro", 10, 96);
        jeu(nomR, u"Superficie de la région", u"Colorie la région", 10, 22);
        jeu(nomR, u"Population de la région", u"Colorie la région", 10, 22);
        jeu(u"Blason d'une région"_s, u"Nom de la région", u"Colorie la région et propose la liste des régions", 30, 22);
    }
    void eachGame()
    {
        QFETCH(QString, information); QFETCH(QString, reponse); QFETCH(QString, aide); QFETCH(int, secondes); QFETCH(int, items);
        const int g = QString::fromLatin1(QTest::currentDataTag()).toInt();
        const QTreeWidgetItem* item = menu->ListView1->topLevelItem(g - 1);
        QCOMPARE((QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}),
                 (QStringList{QString::number(g), information, reponse, aide}));
        clickGame(g == 1 ? 31 : g - 1);
        NbBonnes = 3.5f; NbFausses = 2;
        DejaPose.fill(1);
        clickGame(g);
        QCOMPARE(menu->Label4->text(), QString::number(g));
        QVERIFY(!menu->Limite->isHidden() && !menu->Question->isHidden() && menu->ListNbQ->isHidden());
        // The game state starts again: the counters, and the flags of the game's own items only.
        QVERIFY(NbBonnes == 0 && NbFausses == 0 && DejaPose[0] == 1 && DejaPose[items + 1] == 1);
        QCOMPARE(std::count(&DejaPose[1], &DejaPose[items + 1], int16_t(0)), items);
        menu->Tps[1]->click();
        QVERIFY(!menu->Sec->isHidden() && !menu->Label2->isHidden());
        QCOMPARE(menu->Sec->text(), QString::number(secondes));
        QCOMPARE(menu->ListNbQ->count(), items);
        for (int i = 0; i < items; ++i)
            QCOMPARE(menu->ListNbQ->itemText(i), u" %1"_s.arg(i + 1));
        QCOMPARE(menu->ListNbQ->currentIndex(), -1);
        QCOMPARE((QStringList{menu->NbQuest[0]->text(), menu->NbQuest[1]->text()}),
                 (QStringList{u"Fixe (1 à %1)"_s.arg(items), u"Toutes (%1)"_s.arg(items)}));
    }

    // "Fixe" shows the count list and "Toutes" hides it; another game hides it and forgets the count. The
    // seconds proposed are written only when the time option is clicked; "Illimité" hides them, kept.
    void countAndTimeFollowTheChoices()
    {
        clickGame(1);
        menu->Niveau[0]->click();
        menu->Tps[0]->click();
        menu->NbQuest[0]->click();
        QVERIFY(!menu->ListNbQ->isHidden());
        menu->ListNbQ->setCurrentIndex(9);
        clickGame(2);
        QVERIFY(menu->ListNbQ->isHidden());
        QVERIFY(menu->NbQuest[0]->isChecked() && menu->Niveau[0]->isChecked());  // the other choices stay
        QCOMPARE(play(), kNombre);
        menu->NbQuest[1]->click();
        QVERIFY(menu->ListNbQ->isHidden());
        menu->NbQuest[0]->click();
        QVERIFY(!menu->ListNbQ->isHidden());

        clickGame(17);
        menu->Tps[1]->click();
        QCOMPARE(menu->Sec->text(), u"60"_s);
        clickGame(2);
        QCOMPARE(menu->Sec->text(), u"60"_s);
        menu->Sec->setText(u"45"_s);
        menu->Tps[0]->click();
        QVERIFY(menu->Sec->isHidden() && menu->Label2->isHidden());
        QCOMPARE(menu->Sec->text(), u"45"_s);
        menu->Tps[1]->click();
        QCOMPARE(menu->Sec->text(), u"15"_s);
    }

    // "Jouer !" after some of the choices (game 5, easy level, unlimited or limited time with the seconds
    // typed, a fixed count or all, ten chosen in the list): only the first missing choice is refused, and
    // nothing changes; or the quiz starts, the chooser hidden, holding the seconds plus one for the time bar.
    void playChecks_data()
    {
        testkit::colonnes<QString>({"choices", "secondes"});
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<QString>("stored");
        QTest::newRow("nothing") << QString() << QString() << kChoisirJeu << QString();
        QTest::newRow("game only") << u"game"_s << QString() << kChoisirNiveau << QString();
        QTest::newRow("no time") << u"game easy"_s << QString() << kChoisirTemps << QString();
        QTest::newRow("no count") << u"game easy limited"_s << u"3"_s << kNombre << u"3"_s;
        QTest::newRow("fixed, none chosen") << u"game easy limited fixed"_s << u"3"_s << kNombre << u"3"_s;
        QTest::newRow("fixed, ten") << u"game easy limited fixed ten"_s << u"3"_s << QString() << u" 4"_s;
        QTest::newRow("ten, then all") << u"game easy limited fixed ten all"_s << u"3"_s << QString() << u" 4"_s;
        QTest::newRow("unlimited, seconds not checked") << u"game easy unlimited all"_s << u"abc"_s << QString() << u" 1"_s;
        const QString limited = u"game easy limited all"_s;
        QTest::newRow("blanks") << limited << u" 12 "_s << QString() << u" 13"_s;
        QTest::newRow("largest") << limited << u"32766"_s << QString() << u" 32767"_s;
        QTest::newRow("empty") << limited << QString() << kTempsCorrect << QString();
        QTest::newRow("letters") << limited << u"dix"_s << kTempsCorrect << u"dix"_s;
        QTest::newRow("3.5") << limited << u"3.5"_s << kTempsCorrect << u"3.5"_s;
        QTest::newRow("3,5") << limited << u"3,5"_s << kTempsCorrect << u"3,5"_s;
        QTest::newRow("2.5") << limited << u"2.5"_s << kTempsCorrect << u"2.5"_s;
        QTest::newRow("too large") << limited << u"32767"_s << kTempsCorrect << u"32767"_s;
        QTest::newRow("far too large") << limited << u"99999999999"_s << kTempsCorrect << u"99999999999"_s;
        QTest::newRow("1 2") << limited << u"1 2"_s << kTempsCorrect << u"1 2"_s;
        QTest::newRow("2") << limited << u"2"_s << kTempsMinimum << u"2"_s;
        QTest::newRow("negative") << limited << u"-5"_s << kTempsMinimum << u"-5"_s;
    }
    void playChecks()
    {
        QFETCH(QString, choices); QFETCH(QString, secondes); QFETCH(QString, message); QFETCH(QString, stored);
        const QStringList chosen = choices.split(u' ');
        if (chosen.contains(u"game"_s))
            clickGame(5);
        if (chosen.contains(u"easy"_s))
            menu->Niveau[0]->click();
        if (chosen.contains(u"unlimited"_s) || chosen.contains(u"limited"_s)) {
            menu->Tps[chosen.contains(u"limited"_s)]->click();
            menu->Sec->setText(secondes);
        }
        if (chosen.contains(u"fixed"_s))
            menu->NbQuest[0]->click();
        if (chosen.contains(u"ten"_s))
            menu->ListNbQ->setCurrentIndex(9);
        const bool all = chosen.contains(u"all"_s);
        if (all)
            menu->NbQuest[1]->click();
        QCOMPARE(play(), message);
        QCOMPARE(menu->Sec->text(), stored);
        QCOMPARE(menu->isVisible(), !message.isEmpty());
        QCOMPARE(win::CarteDep.isVisible(), message.isEmpty());
        if (message.isEmpty())
            QCOMPARE(menu->ListNbQ->currentText(), chosen.contains(u"ten"_s) && !all ? u" 10"_s : QString());
    }

    // "Jouer !" resets neither the game state nor the settings the quiz reads; another start
    // replaces the quiz window by a new one.
    void playKeepsTheStateAndReplacesTheQuizWindow()
    {
        clickGame(1);
        menu->Niveau[1]->click();
        menu->Tps[0]->click();
        menu->NbQuest[1]->click();
        NbBonnes = 1;
        DejaPose[5] = 1;
        QCOMPARE(play(), QString());
        QCOMPARE(NbBonnes, 1.0f);
        QCOMPARE(DejaPose[5], int16_t(1));
        QVERIFY(win::Menu.isLoaded());
        QVERIFY(menu->Niveau[1]->isChecked() && menu->Tps[0]->isChecked() && menu->NbQuest[1]->isChecked());
        const int quizLoads = win::CarteDep.loadCount();
        win::Menu.Show();
        QCOMPARE(play(), QString());
        QCOMPARE(win::CarteDep.loadCount(), quizLoads + 1);
        QVERIFY(win::CarteDep.isVisible());
    }

    // At opening nothing is chosen and no row is current: row 1 shows the list's picture, not the look of a
    // chosen row, and the first Down chooses game 1. The rows scroll by pixels over the picture, which stays
    // in place: a row reached with the keys ends at the bottom edge, and after each scroll the list as shown,
    // scroll bar included, is what a repaint draws. The arrow keys choose as a click does (from 12 to 13 the
    // counts turn to 22); a click on no game changes nothing.
    void freshChooserAndTheKeys()
    {
        QCOMPARE(menu->Label1->text(), u"Cliquez sur le jeu désiré parmi les 31 disponibles"_s);
        QCOMPARE(menu->Label4->text(), QString());
        QVERIFY(menu->Limite->isHidden() && menu->Question->isHidden() && menu->Sec->isHidden() && menu->Label2->isHidden());
        QVERIFY(!menu->ListNbQ->isHidden());  // shown inside its hidden frame
        for (auto* options : {&menu->Niveau, &menu->Tps, &menu->NbQuest})
            for (QRadioButton* option : *options)
                QVERIFY(!option->isChecked());
        QTreeWidget* list = menu->ListView1;
        QVERIFY(QTest::qWaitForWindowActive(menu) && QApplication::focusWidget() == list);
        QRect bare = list->visualItemRect(list->topLevelItem(0));  // its right end, bare of text
        bare.setLeft(bare.right() - 100);
        QImage picture(bare.size(), QImage::Format_RGB32);
        QPainter(&picture).drawTiledPixmap(picture.rect(), platform::storedPicture(u":/stored/list_background.gif"_s, {}), bare.topLeft());
        QCOMPARE(list->viewport()->grab(bare).toImage().convertToFormat(QImage::Format_RGB32), picture);
        // The picture is the rows' alone: a scroll bar painted over it came out two-toned.
        QVERIFY(list->verticalScrollBar()->palette().base().texture().isNull() && list->header()->palette().base().texture().isNull());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(menu->Label4->text(), u"1"_s);

        const QRect area(list->mapTo(menu, QPoint()), list->size());
        const auto shownAsRepainted = [&] {
            return menu->screen()->grabWindow(menu->winId()).toImage().copy(area).convertToFormat(QImage::Format_RGB32)
                == list->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        for (int g = 2; g <= 14; ++g)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->visualItemRect(list->topLevelItem(13)).bottom(), list->viewport()->height());
        QTRY_VERIFY(shownAsRepainted());
        QTest::keyClick(list, Qt::Key_End);
        QTRY_VERIFY(shownAsRepainted());
        QWheelEvent wheel({200, 100}, list->viewport()->mapToGlobal(QPointF(200, 100)), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list->viewport(), &wheel);
        QTRY_VERIFY(shownAsRepainted());

        clickGame(12);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(menu->Label4->text() == u"13"_s && menu->NbQuest[1]->text() == u"Toutes (22)"_s && menu->ListNbQ->count() == 22);
        list->clearSelection();
        NbBonnes = 2;
        menu->ListView1_Click();
        QVERIFY(menu->Label4->text() == u"13"_s && NbBonnes == 2.0f);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
