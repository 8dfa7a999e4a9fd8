#pragma once
// Window life cycle: one application-wide instance per window class.
//
// A FormInstance is the instance object of a window class: it exists for the
// whole program. The window itself (a FormWindow and its controls) is built
// when the instance is loaded and destroyed when it is unloaded; the next use
// loads a fresh one, running its Form_Load again.
//   absent   -> nothing has referred to the instance yet;
//   created  -> any reference (show, hide, load, unload, control access);
//   loaded   -> Show(), Load() or an access to a control (operator->);
//   unloaded -> Unload() destroys the window; the instance stays.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace platform {

class FormInstanceBase;

// Base of every window of the program.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);
    ~FormWindow() override;

    // Runs once each time the window is loaded, after it is built.
    virtual void Form_Load() {}
    // Runs when the window is about to be unloaded, whatever the cause.
    virtual void Form_QueryUnload() {}

    // Size of the client area, in twips.
    void setClientSizeTw(int width, int height);

    // Close-box removal: while removed the window has no close button and
    // ignores close requests from the window manager.
    void setCloseBoxRemoved(bool removed);
    bool closeBoxRemoved() const { return closeBoxRemoved_; }

    FormInstanceBase* instance() const { return instance_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class FormInstanceBase;
    FormInstanceBase* instance_ = nullptr;
    bool closeBoxRemoved_ = false;
};

class FormInstanceBase {
public:
    FormInstanceBase(const char* className, std::function<FormWindow*()> factory);
    FormInstanceBase(const FormInstanceBase&) = delete;
    FormInstanceBase& operator=(const FormInstanceBase&) = delete;
    virtual ~FormInstanceBase() = default;

    const QString& className() const { return className_; }
    bool isCreated() const { return created_; }
    bool isLoaded() const { return window_ != nullptr; }
    bool isUnloading() const { return unloading_; }
    bool isVisible() const { return window_ && window_->isVisible(); }
    int loadCount() const { return loadCount_; }

    void Load();
    // Loads when needed, then shows the window, always modeless.
    void Show();
    void Hide();
    // Runs Form_QueryUnload, then destroys the window. Unloading a window that
    // is not loaded, or that is already being unloaded, does nothing.
    void Unload();

    // The loaded window (loading it first): touching a control loads the window.
    FormWindow* window();
    // The window when loaded, else nullptr; never loads.
    FormWindow* windowIfLoaded() const { return window_; }

    // Every instance of the program, in the order they were declared.
    static const std::vector<FormInstanceBase*>& all();
    static bool anyLoaded();
    // Class names of the windows destroyed so far, in order (for diagnostics and tests).
    static QStringList& unloadJournal();

    // Unloads the given instances in order; each one's Form_QueryUnload runs at
    // most once, and a nested call while one runs does nothing (the running one
    // reaches every window still loaded, in its order).
    static void unloadAll(const std::vector<FormInstanceBase*>& order);

private:
    friend class FormWindow;
    void touch() { created_ = true; }
    void destroyWindow();

    QString className_;
    std::function<FormWindow*()> factory_;
    FormWindow* window_ = nullptr;
    bool created_ = false;
    bool loading_ = false;
    bool unloading_ = false;
    int loadCount_ = 0;
};

template <class T>
class FormInstance : public FormInstanceBase {
public:
    explicit FormInstance(const char* className) : FormInstanceBase(className, [] { return new T; }) {}
    T* operator->() { return static_cast<T*>(window()); }
    T& operator*() { return *static_cast<T*>(window()); }
    T* ifLoaded() const { return static_cast<T*>(windowIfLoaded()); }
};

// Ending the program: after End() no window is shown and the event loop stops.
void End();
bool programEnded();
void resetProgramEnded();  // for tests

// Called when no window is loaded any more; by default quits the event loop.
void setLastWindowUnloadedHandler(std::function<void()> handler);

} // namespace platform
