#include "quiz/MapBox.h"

#include "platform/Screen.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The map's own grey, around the picture and where no picture could be loaded,
// so that the box and the titles drawn over it read as one map.
const QColor kFondCarte(192, 192, 192);
} // namespace

MapBox::MapBox(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    clearPixels();
}

void MapBox::resizeEvent(QResizeEvent*)
{
    if (overlay_.size() != size()) {
        overlay_ = QImage(size(), QImage::Format_ARGB32);
        overlay_.fill(Qt::transparent);
    }
}

void MapBox::setPixel(int x, int y, QColor color)
{
    if (overlay_.size() != size())
        resizeEvent(nullptr);
    if (x < 0 || y < 0 || x >= overlay_.width() || y >= overlay_.height())
        return;
    overlay_.setPixel(x, y, color.rgba());
    update();  // repaints are merged until the event loop runs
}

void MapBox::clearPixels()
{
    if (!overlay_.isNull())
        overlay_.fill(Qt::transparent);
    update();
}

bool MapBox::hasSetPixel(int x, int y) const
{
    return overlay_.valid(x, y) && qAlpha(overlay_.pixel(x, y)) != 0;
}

QColor MapBox::colorAt(int x, int y) const
{
    if (hasSetPixel(x, y))
        return QColor::fromRgba(overlay_.pixel(x, y));
    const QImage image = picture_.toImage();
    if (image.valid(x, y))
        return image.pixelColor(x, y);
    return kFondCarte;
}

void MapBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFondCarte);
    painter.drawPixmap(0, 0, picture_);
    if (!overlay_.isNull())
        painter.drawImage(0, 0, overlay_);
}

void MapBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    platform::Screen& screen = platform::TheScreen();
    emit mouseMoved(event->buttons(), event->modifiers(), float(p.x() * screen.twipsPerPixelX()),
                    float(p.y() * screen.twipsPerPixelY()));
}

void MapBox::mousePressEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
    pressed_ = event->button() == Qt::LeftButton;
}

void MapBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no new click.
    mouseMoveEvent(event);
}

void MapBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
