#include "platform/Screen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void placeTw(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(rectTw(left, top, width, height));
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect place(QPoint(), window->size());
    place.moveCenter(screen->availableGeometry().center());
    window->move(place.topLeft());
}

QRect rectTw(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

namespace {

class QtScreen final : public Screen {
public:
    int widthTwips() override { return size().width() * kTwipsPerPixel; }
    int heightTwips() override { return size().height() * kTwipsPerPixel; }
    void setMousePointer(int pointer) override
    {
        if (pointer == pointer_)
            return;
        if (pointer_ != vbDefault)
            QApplication::restoreOverrideCursor();
        pointer_ = pointer;
        if (pointer == vbHourglass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    int mousePointer() override { return pointer_; }

private:
    static QSize size()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(0, 0);
    }
    int pointer_ = vbDefault;
};

} // namespace

Screen& Screen::real()
{
    static QtScreen screen;
    return screen;
}

} // namespace platform
