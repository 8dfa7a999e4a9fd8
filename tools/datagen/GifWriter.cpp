#include "GifWriter.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <climits>
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

QImage ToPalette(const QImage& rgb)
{
    QHash<QRgb, int> count;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ++count[rgb.pixel(x, y) | 0xff000000u];
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto it = count.begin(); it != count.end(); ++it)
        byCount.emplace_back(-it.value(), it.key());
    std::sort(byCount.begin(), byCount.end());
    if (byCount.size() > 256)
        byCount.resize(256);
    QList<QRgb> table;
    QHash<QRgb, uchar> index;
    for (auto& [n, c] : byCount)
        index.insert(c, uchar(table.size())), table << c;
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000u;
            auto it = index.find(c);
            if (it == index.end()) {
                int best = 0, bestDist = INT_MAX;
                for (int i = 0; i < table.size(); ++i) {
                    const int dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]),
                              db = qBlue(c) - qBlue(table[i]);
                    if (dr * dr + dg * dg + db * db < bestDist)
                        bestDist = dr * dr + dg * dg + db * db, best = i;
                }
                it = index.insert(c, uchar(best));
            }
            line[x] = it.value();
        }
    }
    return out;
}

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
