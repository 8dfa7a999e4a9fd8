#pragma once
// The coats of arms of the 22 régions, opened from the région tutorial. A right
// click frames a coat of arms and names its région; any other click chooses
// that région in the région tutorial and closes the window.
#include "platform/Forms.h"

#include <QLabel>
#include <cstdint>

namespace platform {
class BottomStatusBar;
}

// A coat of arms: a picture stretched to its box that reports which mouse
// button was released over it.
class ImageBlason : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 ctrl, 4 alt; X, Y in twips.
    void mouseUp(int16_t Button, int16_t Shift, float X, float Y);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class Blasons : public platform::FormWindow {
    Q_OBJECT
public:
    Blasons();

    // Blason(i) is the coat of arms of région i + 1.
    ImageBlason* Blason[22];
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    platform::BottomStatusBar* StatusBar2;

    void Form_Load() override;
    void Blason_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
};
