#pragma once
// The screen: its size, the twips unit of every window layout, the mouse pointer.
#include "platform/Seam.h"
#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels (nearest pixel) and back.
constexpr int tw(int twips) { return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * kTwipsPerPixel; }
// Places a control at left, top with width, height, all in twips.
void placeTw(QWidget* widget, int left, int top, int width, int height);
QRect rectTw(int left, int top, int width, int height);
// Moves a window, before it is first shown, to the centre of its screen.
void centreOnScreen(QWidget* window);

enum MousePointer : int { vbDefault = 0, vbHourglass = 11 };

class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthTwips() = 0;
    virtual int heightTwips() = 0;
    virtual int twipsPerPixelX() { return kTwipsPerPixel; }
    virtual int twipsPerPixelY() { return kTwipsPerPixel; }
    virtual void setMousePointer(int pointer) = 0;
    virtual int mousePointer() = 0;
    static Screen& real();
};

inline Screen& TheScreen() { return Seam<Screen>::current(); }

} // namespace platform
