#pragma once
// The pixel files: the pixels of every département ("D<n>.dat"), of every
// région ("R<n>.dat") and of every map column ("F<x>.dat"), as 13-byte
// records of three fields (x: 5, y: 5, département: 3 characters), each field
// scrambled on its own with Crypte and the program's key.
#include "LabelRaster.h"

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace datagen {

inline constexpr int kRecordSize = 13;

struct PixelRecord {
    int x = 0;
    int y = 0;
    int departement = 0;
    friend bool operator==(const PixelRecord&, const PixelRecord&) = default;
};

// One record, scrambled with the key.
QByteArray EncodeRecord(const QByteArray& key, const PixelRecord& record);
// The records of a file's bytes (a trailing part-record is ignored); each field
// is unscrambled on its own and read as its leading number, blanks ignored.
std::vector<PixelRecord> DecodeRecords(const QByteArray& key, const QByteArray& bytes);

// Every pixel file of a raster: (file name, contents), D files first, then R,
// then F in column order. Columns without land get no file.
std::vector<std::pair<QString, QByteArray>> BuildPixelFiles(const LabelRaster& raster, const RegionTable& regionOf,
                                                            const QByteArray& key);

} // namespace datagen
