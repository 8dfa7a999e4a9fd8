#include "platform/Pictures.h"

#include "platform/FileSystem.h"

#include <QBitmap>
#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace platform {

namespace {
// The largest picture a window shows is the title's, 530 × 515; a few times that is
// plenty, and keeps the decoding of a hostile header within a few megabytes.
constexpr int kCoteMax = 2000;
// An uncompressed 2000 × 2000 BMP in 24 bits, with room for its header.
constexpr qint64 kTailleMaxFichierImage = 3LL * kCoteMax * kCoteMax + 65536;

// The size a picture's header declares, read before anything is decoded: a few bytes
// may announce gigabytes. For a GIF Qt reports its first frame, but decodes it onto
// the whole logical screen its header names.
QSize tailleDeclaree(const QByteArray& bytes, QImageReader& reader)
{
    QSize size = reader.size();
    if (bytes.startsWith("GIF8") && bytes.size() >= 10)
        size = size.expandedTo(QSize(qFromLittleEndian<quint16>(bytes.constData() + 6),
                                     qFromLittleEndian<quint16>(bytes.constData() + 8)));
    return size;
}

class FilePictures final : public Pictures {
public:
    QImage load(const QString& path) override
    {
        QByteArray bytes = readRegularFile(path, kTailleMaxFichierImage);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        const QSize declared = tailleDeclaree(bytes, reader);
        if (!declared.isValid() || declared.width() > kCoteMax || declared.height() > kCoteMax)
            return {};
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
