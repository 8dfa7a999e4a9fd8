#pragma once
// Message boxes and input boxes.
#include "platform/Seam.h"
#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace platform {

// Box styles: buttons in the low bits, icon in the next ones (added together).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

// The button the user pressed.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message box and returns the pressed button.
    virtual int msgBox(const QString& prompt, int style, const QString& title) = 0;
    // Shows a modal input box; returns the typed text, or an empty text when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    static Dialogs& real();
};

// The title used when none is given: the program's name.
QString applicationTitle();

// Both return the cancelling answer (vbNo, vbCancel, vbOK for a box with OK
// only; an empty text) when the program closed the box (closeBoxesOf).
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
QString InputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString());

// Modal boxes run a nested event loop: timer ticks and unloads can reach a
// window while one of its boxes is still on the stack. The boxes open at any
// moment are kept here, innermost last.

// How the box being shown is closed by the program; an implementation of
// Dialogs sets it before it waits for the user.
void setCloseOfOpenBox(std::function<void()> close);
// Closes every open box of the window (of every window for nullptr, and the
// boxes opened without a window); each one returns its cancelling answer once
// control is back in its own loop.
void closeBoxesOf(QWidget* window);
int openBoxCount();
// Deletes the object once no box is open any more (at once, by deleteLater,
// when none is): a box's procedure still on the stack may be using it.
void deleteWhenNoBoxOpen(QObject* object);
// The window a box opened now belongs to: the active window, seen through
// the boxes open over it.
QWidget* boxOwner();

} // namespace platform
