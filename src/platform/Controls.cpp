#include "platform/Controls.h"

#include "platform/Screen.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace platform {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();  // the click is this control's, not its window's too
        emit clicked();
    }
}

BottomStatusBar::BottomStatusBar(QWidget* window) : QStatusBar(window)
{
    setSizeGripEnabled(false);
    window->installEventFilter(this);
    setGeometry(0, window->height() - kHeight, window->width(), kHeight);
}

bool BottomStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        auto* window = static_cast<QWidget*>(watched);
        setGeometry(0, window->height() - kHeight, window->width(), kHeight);
    }
    return QStatusBar::eventFilter(watched, event);
}

QWidget* makeLine(QWidget* parent, QPoint from, QPoint to, QColor color)
{
    auto* line = new QWidget(parent);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    line->setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
    return line;
}

QIcon speakerIcon(bool on, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QPainterPath body;
    body.moveTo(4, 12);
    body.lineTo(10, 12);
    body.lineTo(17, 5);
    body.lineTo(17, 27);
    body.lineTo(10, 20);
    body.lineTo(4, 20);
    body.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(60, 60, 60));
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    if (on) {
        p.setPen(QPen(QColor(0, 120, 0), 2));
        p.drawArc(QRectF(13, 10, 10, 12), -60 * 16, 120 * 16);
        p.drawArc(QRectF(11, 6, 16, 20), -60 * 16, 120 * 16);
    } else {
        p.setPen(QPen(QColor(200, 0, 0), 3));
        p.drawLine(QPointF(20, 10), QPointF(29, 22));
        p.drawLine(QPointF(29, 10), QPointF(20, 22));
    }
    return QIcon(pixmap);
}

QIcon helpIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 60, 160), size / 16.0));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    p.setFont(font);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pixmap);
}

QPushButton* makeHelpButton(QWidget* parent, int left, int top, int width, int height, int iconSize)
{
    auto* button = new QPushButton(parent);
    button->setIcon(helpIcon());
    button->setIconSize(QSize(iconSize, iconSize));
    button->setToolTip(QStringLiteral("Aide !"));
    button->setGeometry(QRect(tw(left), tw(top), tw(width), tw(height)));
    return button;
}

} // namespace platform

#include <QTimer>

namespace platform {

TimeBar::TimeBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
    QProgressBar::setRange(0, 20);
    QProgressBar::setValue(0);
}

void TimeBar::setMax(float max)
{
    max_ = max;
    QProgressBar::setMaximum(qMax(1, qRound(max)));
}

void TimeBar::setValue(float value)
{
    value_ = value;
    QProgressBar::setValue(qBound(0, qRound(value), maximum()));
}

void setTimerEnabled(QTimer* timer, bool enabled)
{
    if (!enabled)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

} // namespace platform
