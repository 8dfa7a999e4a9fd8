#include "platform/CloseBox.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "testkit/FakePlatform.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;
using platform::FormInstance;
using platform::FormInstanceBase;

namespace {
QStringList g_events;
std::vector<FormInstanceBase*> g_order;

class PlainForm : public platform::FormWindow {
public:
    void Form_Load() override
    {
        g_events << QStringLiteral("load:") + instance()->className();
        label->setText(QStringLiteral("fresh"));
    }
    QLabel* label = new QLabel(this);
};

// A main window: closing it unloads every window.
class MainForm : public PlainForm {
public:
    void Form_QueryUnload() override
    {
        g_events << QStringLiteral("query:") + instance()->className();
        FormInstanceBase::unloadAll(g_order);
    }
};

class TimedForm : public PlainForm {
public:
    void Form_Load() override
    {
        PlainForm::Form_Load();
        timer->start(1000);
    }
    QTimer* timer = new QTimer(this);
};

FormInstance<MainForm> Alpha("Alpha");
FormInstance<PlainForm> Beta("Beta");
FormInstance<MainForm> Gamma("Gamma");
FormInstance<TimedForm> Delta("Delta");
FormInstance<MainForm> Epsilon("Epsilon");
} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        g_order = {&Beta, &Delta, &Alpha, &Gamma, &Epsilon};
        FormInstanceBase::unloadAll(g_order);
        testkit::flushDeletes();
        g_events.clear();
        FormInstanceBase::unloadJournal().clear();
    }

    // A reference creates the instance only; touching a control loads the window once, hidden; shown, it
    // opens modeless in the middle of the screen; unloaded, it comes back fresh at the next touch.
    void lifeCycle()
    {
        Beta.Hide();
        QVERIFY(Beta.isCreated() && !Beta.isLoaded());
        Beta.Unload();  // not loaded: nothing runs
        QVERIFY(g_events.isEmpty() && FormInstanceBase::unloadJournal().isEmpty());
        const int before = Beta.loadCount();
        Beta->label->setText(u"changed"_s);
        QVERIFY(Beta.isLoaded() && !Beta.isVisible());
        QCOMPARE(Beta->label->text(), u"changed"_s);
        QCOMPARE(Beta.loadCount(), before + 1);
        QCOMPARE(g_events, QStringList{u"load:Beta"_s});
        Beta->resize(300, 200);
        Beta.Show();
        QVERIFY(Beta.isVisible());
        QCOMPARE(Beta->windowModality(), Qt::NonModal);
        QVERIFY((Beta->geometry().center() - Beta->screen()->availableGeometry().center()).manhattanLength() < 8);
        Beta.Unload();
        QVERIFY(!Beta.isLoaded());
        QCOMPARE(Beta->label->text(), u"fresh"_s);
        QCOMPARE(g_events.count(u"load:Beta"_s), 2);
        QVERIFY(!Beta.isVisible());  // a control access loads but does not show
    }

    void unloadAllRunsInOrderOnceEachUnderReentry()
    {
        // Three main windows whose close handlers each run the unload-all.
        Alpha.Show();
        Gamma.Load();
        Epsilon.Show();
        Beta.Load();
        // Delta is never used: the unload-all creates it but does not load it.
        Gamma.Unload();  // the program closes one main window
        QCOMPARE(FormInstanceBase::unloadJournal(), (QStringList{u"Beta"_s, u"Alpha"_s, u"Gamma"_s, u"Epsilon"_s}));
        QCOMPARE(g_events.filter(u"query:"_s), (QStringList{u"query:Gamma"_s, u"query:Alpha"_s, u"query:Epsilon"_s}));
        QVERIFY(!FormInstanceBase::anyLoaded() && Delta.isCreated());
        QCOMPARE(Delta.loadCount(), 0);
    }

    // The user's close of a main window unloads every window; a window without close box ignores it.
    void closeRequests()
    {
        Alpha.Show();
        Beta.Show();
        platform::SupprimeFermeture(Beta.window(), true);
        QVERIFY(!(Beta->windowFlags() & Qt::WindowCloseButtonHint));
        Beta->close();
        QVERIFY(Beta.isLoaded() && Beta->isVisible());
        platform::SupprimeFermeture(Beta.window(), false);
        QVERIFY(Beta->windowFlags() & Qt::WindowCloseButtonHint);
        Beta->close();
        QVERIFY(!Beta.isLoaded() && Alpha.isLoaded());
        Beta.Show();
        Alpha->close();
        QVERIFY(!Alpha.isLoaded() && !Beta.isLoaded());
    }

    void timersStopWithTheirWindow()
    {
        QPointer<QTimer> guard(Delta->timer);
        QVERIFY(guard->isActive());
        Delta.Unload();
        QVERIFY(guard.isNull() || !guard->isActive());
        testkit::flushDeletes();
        QVERIFY(guard.isNull());
    }

    // A box is widened to its title in a bold title bar beside the bar's buttons, never beyond the screen,
    // never to a long prompt on one line; it stays above its window (its transient parent) and Enter
    // answers it with its default button.
    void messageBoxes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        const QString phrase = u"Veuillez patientez pendant la création des fichiers nécessaires au logiciel. Merci !"_s;
        QTest::newRow("long prompt") << u"Exact !"_s << phrase;
        QTest::newRow("long title") << u"1er lancement du logiciel"_s.repeated(3) << u"Bonne"_s;
        QTest::newRow("title wider than the screen") << u"1er lancement du logiciel "_s.repeated(12) << phrase;
    }
    void messageBoxes()
    {
        QFETCH(QString, title); QFETCH(QString, prompt);
        Alpha.Show();
        QVERIFY(QTest::qWaitForWindowActive(Alpha.window()));
        int width = 0, screen = 0, needed = 0, oneLine = 0;
        const QWindow* above = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QFont bold = box->font(); bold.setBold(true);
            width = box->width();
            screen = box->screen()->availableGeometry().width();
            needed = qMin(QFontMetrics(bold).horizontalAdvance(title) + 80, screen);
            oneLine = box->fontMetrics().horizontalAdvance(prompt);
            above = box->windowHandle()->transientParent();
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(platform::MsgBox(prompt, platform::vbYesNo, title), int(platform::vbYes));
        QVERIFY2(needed <= width && width <= screen && (width < oneLine || needed >= oneLine), qPrintable(u"%1 %2"_s.arg(width).arg(oneLine)));
        QCOMPARE(above, Alpha->windowHandle());
    }

    // Last of the tests: once the program has ended, every event loop, a box's too, returns at once.
    void lastUnloadEndsTheProgramAndEndStopsShowing()
    {
        int calls = 0;
        platform::setLastWindowUnloadedHandler([&calls] { ++calls; });
        Alpha.Show();
        Alpha.Hide();
        Beta.Show();
        // Navigation: unload everything, then show the next window at once.
        Beta.Unload();
        Alpha.Unload();
        Beta.Show();
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
        Beta.Unload();
        QCoreApplication::processEvents();
        QCOMPARE(calls, 1);
        platform::setLastWindowUnloadedHandler(nullptr);
        // Once the program has ended, nothing shows either.
        platform::End();
        Beta.Show();
        QVERIFY(Beta.isLoaded() && !Beta.isVisible());
        platform::resetProgramEnded();
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
