#pragma once
// Small controls the windows are built from.
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace platform {

// A label or picture that reports clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A status bar that stands along the bottom edge of its window.
class BottomStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit BottomStatusBar(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A separator line of the given colour between two points (pixels).
QWidget* makeLine(QWidget* parent, QPoint from, QPoint to, QColor color = QColor(128, 128, 128));

// Built-in pictures of the program's buttons, drawn, so that no missing file leaves a button bare.
QIcon speakerIcon(bool on, int size = 32);
QIcon helpIcon(int size = 32);

} // namespace platform
