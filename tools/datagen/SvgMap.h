#pragma once
// Reading of the départements map source: one outline per département.
#include <QPolygonF>
#include <QString>
#include <vector>

namespace datagen {

struct Outline {
    int index = 0;                  // département index 1..96 (20 = "2B", 96 = "2A")
    QString id;                     // "01".."95", "2A", "2B"
    QString name;                   // the source's own name, for messages only
    std::vector<QPolygonF> rings;   // closed sub-paths, in view-box units
};

struct SvgMap {
    QRectF viewBox;
    std::vector<Outline> outlines;  // in file order, exactly 96
};

// The département index of a map id: "2A" gives 96, "2B" 20, "01".."95" their
// number; 0 for anything else.
int IndexOfId(const QString& id);

// Reads the map; throws std::runtime_error naming the fault when the file is
// missing, is not the expected map, or uses path commands we do not handle.
SvgMap ReadSvgMap(const QString& path);

// Parses the "d" attribute of a path made of straight segments (M, L, H, V, Z
// in absolute or relative form); throws on any other command.
std::vector<QPolygonF> ParsePathData(const QString& d);

// Signed area of a ring (shoelace formula; positive when clockwise on screen).
double SignedArea(const QPolygonF& ring);

} // namespace datagen
