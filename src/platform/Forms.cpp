#include "platform/Forms.h"

#include "platform/Dialogs.h"
#include "platform/Screen.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace platform {

namespace {
bool g_ended = false;
bool g_unloadAllRunning = false;
bool g_lastWindowCheckPending = false;

std::function<void()>& lastWindowHandler()
{
    static std::function<void()> handler = [] {
        if (QCoreApplication::instance())
            QCoreApplication::quit();
    };
    return handler;
}

void checkForLastWindow()
{
    // Navigation unloads every window and then shows the next one in the same
    // handler, so the check waits for the event loop to come back.
    if (g_lastWindowCheckPending)
        return;
    g_lastWindowCheckPending = true;
    QTimer::singleShot(0, [] {
        g_lastWindowCheckPending = false;
        if (!FormInstanceBase::anyLoaded() && lastWindowHandler())
            lastWindowHandler()();
    });
}
// Enter on a focused push button presses it, in every window, as on the
// platform the windows were designed for (Qt gives Enter to the buttons of
// dialogs only). Boxes keep their own Enter, their default button; text boxes
// never see this, being no buttons. A held key presses once.
class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) || !button || button->autoDefault() || button->isDefault()
            || qobject_cast<QDialog*>(button->window()))
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

// Once per application, when its first window loads: the keyboard of every
// window, and no window outliving the application (those still loaded, and
// those unloaded whose deletion is still pending, go before it does).
void watchApplication()
{
    static QCoreApplication* watched = nullptr;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || watched == app)
        return;
    watched = app;
    app->installEventFilter(new EnterPressesButtons(app));
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] {
        for (FormInstanceBase* instance : FormInstanceBase::all()) {
            if (FormWindow* window = instance->windowIfLoaded())
                delete window;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}
} // namespace

FormWindow::FormWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Geomira"));
}

FormWindow::~FormWindow()
{
    if (instance_)
        instance_->window_ = nullptr;
}

void FormWindow::setClientSizeTw(int width, int height) { setFixedSize(tw(width), tw(height)); }

void FormWindow::setCloseBoxRemoved(bool removed)
{
    if (closeBoxRemoved_ == removed)
        return;
    closeBoxRemoved_ = removed;
    const bool wasVisible = isVisible();
    Qt::WindowFlags flags = windowFlags();
    if (removed)
        flags = (flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint)
            & ~Qt::WindowCloseButtonHint;
    else
        flags = (flags & ~Qt::CustomizeWindowHint) | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The instance destroys the window itself; Qt must not.
    event->ignore();
    if (closeBoxRemoved_ || !instance_)
        return;
    instance_->Unload();
}

FormInstanceBase::FormInstanceBase(const char* className, std::function<FormWindow*()> factory)
    : className_(QString::fromLatin1(className)), factory_(std::move(factory))
{
    const_cast<std::vector<FormInstanceBase*>&>(all()).push_back(this);
}

const std::vector<FormInstanceBase*>& FormInstanceBase::all()
{
    static std::vector<FormInstanceBase*> instances;
    return instances;
}

bool FormInstanceBase::anyLoaded()
{
    for (const FormInstanceBase* instance : all()) {
        if (instance->isLoaded())
            return true;
    }
    return false;
}

QStringList& FormInstanceBase::unloadJournal()
{
    static QStringList journal;
    return journal;
}

void FormInstanceBase::Load()
{
    touch();
    if (window_ || loading_)
        return;
    watchApplication();
    loading_ = true;
    window_ = factory_();
    window_->instance_ = this;
    ++loadCount_;
    window_->Form_Load();
    loading_ = false;
}

FormWindow* FormInstanceBase::window()
{
    Load();
    return window_;
}

void FormInstanceBase::Show()
{
    Load();
    if (!window_ || g_ended)
        return;
    // Without a place of its own a window would open wherever the window
    // manager puts it, often at the edge of the screen.
    if (!window_->testAttribute(Qt::WA_Moved) && !window_->testAttribute(Qt::WA_WState_ExplicitShowHide))
        centreOnScreen(window_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void FormInstanceBase::Hide()
{
    touch();
    if (window_)
        window_->hide();
}

void FormInstanceBase::Unload()
{
    touch();
    if (!window_ || unloading_)
        return;
    unloading_ = true;
    window_->Form_QueryUnload();
    destroyWindow();
    unloading_ = false;
}

void FormInstanceBase::destroyWindow()
{
    if (!window_)
        return;
    FormWindow* window = window_;
    window_ = nullptr;
    window->instance_ = nullptr;
    // Timers stop with their window, at once.
    for (QTimer* timer : window->findChildren<QTimer*>())
        timer->stop();
    window->hide();
    window->setEnabled(false);
    // A box the window left open would wait for a window that is gone.
    closeBoxesOf(window);
    // The code that asked for the unload may still be running inside the
    // window, or inside a box: it is deleted once every box has returned and
    // control is back in the event loop.
    deleteWhenNoBoxOpen(window);
    unloadJournal().append(className_);
    checkForLastWindow();
}

void FormInstanceBase::unloadAll(const std::vector<FormInstanceBase*>& order)
{
    if (g_unloadAllRunning)
        return;
    g_unloadAllRunning = true;
    for (FormInstanceBase* instance : order) {
        instance->touch();
        if (instance->unloading_)
            instance->destroyWindow();  // its close handler is the one running this
        else
            instance->Unload();
    }
    g_unloadAllRunning = false;
}

void End()
{
    g_ended = true;
    QCoreApplication::exit(0);
}

bool programEnded() { return g_ended; }
void resetProgramEnded() { g_ended = false; }

void setLastWindowUnloadedHandler(std::function<void()> handler) { lastWindowHandler() = std::move(handler); }

} // namespace platform
