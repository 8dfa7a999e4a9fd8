#pragma once
// The picture box of a map: a picture at its top-left corner, and single
// pixels set over it. Like drawing straight on the screen, the set pixels are
// lost when a new picture is loaded or when the window is hidden.
#include <QImage>
#include <QPixmap>
#include <QWidget>

class MapBox : public QWidget {
    Q_OBJECT
public:
    explicit MapBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

    // Sets one pixel (map coordinates, in pixels); points outside the box are ignored.
    void setPixel(int x, int y, QColor color);
    // Forgets every pixel set since the picture was drawn.
    void clearPixels();
    // The colour shown at a map pixel (the set pixel over the picture).
    QColor colorAt(int x, int y) const;
    bool hasSetPixel(int x, int y) const;

signals:
    // Mouse position in twips of the box, as the map's mouse-move handler receives it.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    QImage overlay_;
    bool pressed_ = false;
};
