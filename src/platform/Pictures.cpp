#include "platform/Pictures.h"

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
