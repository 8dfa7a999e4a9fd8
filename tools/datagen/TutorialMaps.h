#pragma once
// The four maps of the tutorials' views. Each has the geometry of the labelled
// raster from its top-left corner (the pixel files describe it exactly) and a
// plain margin on its right up to its width.
#include "LabelRaster.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <array>

namespace datagen {

// Sizes of the pictures: the map, widened to fill each view's picture box.
inline constexpr QSize kRegionsInColourSize(479, 483);        // GeomiraA1.gif
inline constexpr QSize kRegionsAndNumbersSize(483, 483);      // GeomiraA2.gif
inline constexpr QSize kDepartementsAndNumbersSize(509, 483); // GeomiraR5.gif
inline constexpr QSize kCompleteMapSize(523, 483);            // GeomiraR4.gif

// The enlarged view of Paris and its three neighbours, drawn in the sea of
// the Channel on the maps that carry the numbers.
inline const QRect kParisInset(6, 6, 64, 64);
inline constexpr int kParisZoom = 4;

inline const QColor kNumberInk(25, 25, 25);      // numbers, frames of the enlarged view
inline const QColor kRegionLine(46, 64, 130);    // borders between régions

// The colour of a région on the tutorial maps (index 1..22): soft, so that
// the numbers read on it.
QColor TutorialRegionColour(int region);
// The colour of a département on the "Département" map: neighbours differ.
std::array<QColor, 98> DepartementColours(const LabelRaster& raster);
// The colour of a département on the complete map: a lighter or darker shade
// of its région's colour, neighbours in one région differing.
std::array<QColor, 98> CompleteMapColours(const LabelRaster& raster, const RegionTable& regionOf);

QImage RegionsInColour(const LabelRaster& raster, const RegionTable& regionOf);        // GeomiraA1.gif
QImage RegionsAndNumbers(const LabelRaster& raster, const RegionTable& regionOf);      // GeomiraA2.gif
QImage DepartementsAndNumbers(const LabelRaster& raster, const RegionTable& regionOf); // GeomiraR5.gif
QImage CompleteMap(const LabelRaster& raster, const RegionTable& regionOf);            // GeomiraR4.gif

} // namespace datagen
