#include "platform/Pictures.h"

#include <QBitmap>
#include <QImageReader>

namespace platform {

namespace {
class FilePictures final : public Pictures {
public:
    QImage load(const QString& path) override
    {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        return reader.read();
    }
};
} // namespace

Pictures& Pictures::real()
{
    static FilePictures pictures;
    return pictures;
}

QPixmap transparentBackground(const QImage& picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (!pixmap.isNull())
        pixmap.setMask(pixmap.createMaskFromColor(picture.pixelColor(0, 0), Qt::MaskInColor));
    return pixmap;
}

QPixmap storedPicture(const QString& resource, QSize fallbackSize, QColor fallbackColor)
{
    QPixmap pixmap(resource);
    if (!pixmap.isNull())
        return pixmap;
    QPixmap plain(fallbackSize);
    plain.fill(fallbackColor);
    return plain;
}

} // namespace platform
