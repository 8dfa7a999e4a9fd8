#pragma once
// Message boxes and input boxes.
#include "platform/Seam.h"
#include <QString>

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

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
QString InputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString());

} // namespace platform
