#include "GifWriter.h"

#include <QFile>
#include <gif_lib.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace {
std::string Reason(int error)
{
    const char* text = GifErrorString(error);
    return text ? text : "error " + std::to_string(error);
}
} // namespace

void WriteGif(const QImage& image, const QString& path)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() < 1 || image.colorCount() > 256)
        throw std::runtime_error("gif: a palette picture of 1 to 256 colours is needed for " + path.toStdString());
    int colors = 2, bits = 1;
    while (colors < image.colorCount())
        colors *= 2, ++bits;
    std::vector<GifColorType> palette(colors, GifColorType{0, 0, 0});
    for (int i = 0; i < image.colorCount(); ++i) {
        const QRgb c = image.color(i);
        palette[i] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    QFile::remove(path);
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        throw std::runtime_error("gif: cannot create " + path.toStdString() + ": " + Reason(error));
    ColorMapObject* map = GifMakeMapObject(colors, palette.data());
    bool ok = map != nullptr;
    EGifSetGifVersion(gif, true);
    ok = ok && EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifPixelType*>(image.constScanLine(y)), image.width()) == GIF_OK;
    const int lastError = gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    else
        error = lastError;
    GifFreeMapObject(map);
    if (!ok)
        throw std::runtime_error("gif: cannot write " + path.toStdString() + ": " + Reason(error));
    // giflib creates the file readable by its owner only.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ReadOther);
}

} // namespace datagen
