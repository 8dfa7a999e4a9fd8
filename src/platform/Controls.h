#pragma once
// Small controls the windows are built from.
#include <QLabel>
#include <QPushButton>
#include <QProgressBar>
#include <QStatusBar>

class QTimer;

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
    static constexpr int kHeight = 25;  // 375 twips

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A separator line of the given colour between two points (pixels).
QWidget* makeLine(QWidget* parent, QPoint from, QPoint to, QColor color = QColor(128, 128, 128));

// Built-in pictures of the program's buttons, drawn, so that no missing file leaves a button bare.
QIcon speakerIcon(bool on, int size = 32);
QIcon helpIcon(int size = 32);

// The help button of a window: the built-in picture and the tooltip "Aide !",
// placed in twips.
QPushButton* makeHelpButton(QWidget* parent, int left, int top, int width, int height, int iconSize = 28);

} // namespace platform

namespace platform {

// A progress bar whose maximum and value are single-precision numbers; the
// bar shows the value rounded.
class TimeBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TimeBar(QWidget* parent = nullptr);
    float Max() const { return max_; }
    float Value() const { return value_; }
    void setMax(float max);
    void setValue(float value);

private:
    float max_ = 20;
    float value_ = 0;
};

// A timer's Enabled switch: enabling a running timer does not restart its interval.
void setTimerEnabled(QTimer* timer, bool enabled);

} // namespace platform
