#pragma once
// The labelled raster: every pixel of the map picture with the département it
// belongs to. Every picture and pixel file is derived from one such raster.
#include "SvgMap.h"

#include <QRect>
#include <QSize>
#include <QTransform>
#include <array>
#include <cstdint>
#include <vector>

namespace datagen {

enum class Edge : uint8_t {
    None = 0,        // not a border pixel
    Departement = 1, // between two départements of one région
    Region = 2,      // between two régions
};

struct LabelRaster {
    int width = 0;
    int height = 0;
    // Partition of the country before the borders are drawn: 0 outside, else
    // the département index. A border pixel keeps here the département it was
    // taken from.
    std::vector<uint8_t> area;
    std::vector<Edge> edge;

    int at(int x, int y) const { return y * width + x; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool isLand(int x, int y) const { return area[at(x, y)] != 0; }
    bool isBorder(int x, int y) const { return edge[at(x, y)] != Edge::None; }
    // The département a click on this pixel finds: 0 outside the country and on borders.
    int departement(int x, int y) const
    {
        const int i = at(x, y);
        return edge[i] == Edge::None ? area[i] : 0;
    }
};

struct RasterOptions {
    QSize size;
    QTransform viewToImage;        // view-box units to image pixels
    QRect keepFree;                // a rectangle that must stay free of land (may be empty)
    int minPixels = 4;             // every département must keep at least this many pixels
};

// Region index of every département index (the geography tables' NumRegionDep).
using RegionTable = std::array<int16_t, 98>;

// Fills the outlines without antialiasing, closes the one-pixel slivers and the
// enclosed gaps between neighbours, draws one-pixel borders where two
// départements meet and reattaches every piece of a département cut off from
// the rest that is not a ring of its own in the source (an island, an exclave).
// Throws std::runtime_error when a requirement cannot be met.
LabelRaster Rasterise(const SvgMap& map, const RasterOptions& options, const RegionTable& regionOf);

// The transform that fits the map's view box into a width of `width` pixels
// with `margin` pixels on the left and right, at the top-left corner.
QTransform FitToWidth(const SvgMap& map, int width, int margin);
// The transform that fits the map's view box inside `size` less `margin`
// pixels on every side, centred.
QTransform FitCentred(const SvgMap& map, QSize size, int margin);

// Number of 4-connected pieces of each département's clickable pixels (index 1..96).
std::array<int, 98> CountPieces(const LabelRaster& raster);

} // namespace datagen
