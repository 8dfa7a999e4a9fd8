#pragma once
// Common frame of the tutorial windows: close box removed at load, a return
// button that unloads the window and shows a fresh hub.
#include "platform/Forms.h"

#include <QLabel>
#include <QPushButton>

class TutorialFrame : public platform::FormWindow {
    Q_OBJECT
public:
    TutorialFrame(const QString& heading, const QString& returnCaption);

    void Form_Load() override;

protected:
    // The window's own instance, unloaded by the return button.
    virtual platform::FormInstanceBase& self() = 0;
    // Default: unload this window and show a fresh hub.
    virtual void returnToHub();

    QLabel* heading_;
    QPushButton* returnButton_;
};
