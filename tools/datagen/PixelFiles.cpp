#include "PixelFiles.h"

#include "app/Crypte.h"
#include "platform/Conversions.h"

#include <array>

namespace datagen {

namespace {

QByteArray Field(int value, int width)
{
    QByteArray text = QByteArray::number(value);
    return text.leftJustified(width, ' ', true);
}

QString FieldText(const QByteArray& key, const QByteArray& bytes, qsizetype offset, int width)
{
    QByteArray plain = Crypte(key, bytes.mid(offset, width));
    return QString::fromLatin1(plain.leftJustified(width, ' ', true));
}

// Scrambled field texts, computed once per value.
class FieldCache {
public:
    FieldCache(const QByteArray& key, int width) : key_(key), width_(width) {}
    const QByteArray& operator()(int value)
    {
        if (value >= int(cache_.size()))
            cache_.resize(value + 1);
        if (cache_[value].isEmpty())
            cache_[value] = Crypte(key_, Field(value, width_));
        return cache_[value];
    }

private:
    QByteArray key_;
    int width_;
    std::vector<QByteArray> cache_;
};

} // namespace

QByteArray EncodeRecord(const QByteArray& key, const PixelRecord& r)
{
    return Crypte(key, Field(r.x, 5)) + Crypte(key, Field(r.y, 5)) + Crypte(key, Field(r.departement, 3));
}

std::vector<PixelRecord> DecodeRecords(const QByteArray& key, const QByteArray& bytes)
{
    std::vector<PixelRecord> records;
    const qsizetype n = bytes.size() / kRecordSize;
    records.reserve(n);
    for (qsizetype k = 0; k < n; ++k) {
        const qsizetype at = k * kRecordSize;
        records.push_back({int(platform::Val(FieldText(key, bytes, at, 5))),
                           int(platform::Val(FieldText(key, bytes, at + 5, 5))),
                           int(platform::Val(FieldText(key, bytes, at + 10, 3)))});
    }
    return records;
}

std::vector<std::pair<QString, QByteArray>> BuildPixelFiles(const LabelRaster& raster, const RegionTable& regionOf,
                                                            const QByteArray& key)
{
    FieldCache xs(key, 5), ys(key, 5), deps(key, 3);
    auto append = [&](QByteArray& file, int x, int y, int dep) {
        file += xs(x);
        file += ys(y);
        file += deps(dep);
    };
    std::array<QByteArray, 97> dFiles;
    std::array<QByteArray, 23> rFiles;
    std::vector<QByteArray> fFiles(raster.width);
    // Départements and régions in reading order: row by row, left to right.
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (const int dep = raster.departement(x, y)) {
                append(dFiles[dep], x, y, dep);
                append(rFiles[regionOf[dep]], x, y, dep);
            }
    // Columns top to bottom.
    for (int x = 0; x < raster.width; ++x)
        for (int y = 0; y < raster.height; ++y)
            if (const int dep = raster.departement(x, y))
                append(fFiles[x], x, y, dep);

    std::vector<std::pair<QString, QByteArray>> files;
    for (int n = 1; n <= 96; ++n)
        files.emplace_back(QStringLiteral("D%1.dat").arg(n), dFiles[n]);
    for (int n = 1; n <= 22; ++n)
        files.emplace_back(QStringLiteral("R%1.dat").arg(n), rFiles[n]);
    for (int x = 0; x < raster.width; ++x)
        if (!fFiles[x].isEmpty())
            files.emplace_back(QStringLiteral("F%1.dat").arg(x), fFiles[x]);
    return files;
}

} // namespace datagen
