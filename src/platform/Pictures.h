#pragma once
// Picture loading (GIF, JPEG, BMP) from files and from the pictures stored with a window.
#include "platform/Seam.h"
#include <QImage>
#include <QPixmap>
#include <QString>

namespace platform {

class Pictures {
public:
    virtual ~Pictures() = default;
    // The picture of a file; a null image when it is missing or unreadable.
    virtual QImage load(const QString& path) = 0;
    static Pictures& real();
};

inline QImage LoadPicture(const QString& path) { return Seam<Pictures>::current().load(path); }

// A button or mark picture drawn on a background colour meant to be
// transparent: the colour of its top-left pixel. A null picture stays null.
QPixmap transparentBackground(const QImage& picture);

// A picture stored with a window (a resource); when absent, a plain picture of
// the given size in the given colour, so a missing resource never breaks a window.
QPixmap storedPicture(const QString& resource, QSize fallbackSize, QColor fallbackColor = QColor(192, 192, 192));

} // namespace platform
