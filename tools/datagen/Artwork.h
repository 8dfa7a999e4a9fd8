#pragma once
// The pictures of the application folder and those stored with the windows.
#include "LabelRaster.h"

#include <QColor>
#include <QImage>

namespace datagen {

// Colours of the map pictures.
inline const QColor kSilver(192, 192, 192);       // around the country
inline const QColor kLand(148, 173, 214);         // every département
inline const QColor kPaleYellow(255, 247, 181);   // borders between départements
inline const QColor kRegionBorder(46, 64, 130);   // borders between régions (région map)
inline const QColor kFaintBorder(182, 198, 226);  // borders inside a région (région map)

// The départements map: land, pale yellow borders, silver around.
QImage DepartementsMap(const LabelRaster& raster);
// The same geometry showing the régions: région borders marked, the others faint.
QImage RegionsMap(const LabelRaster& raster);
// The country in the régions' colours on white, for the title window.
QImage TitleMap(const LabelRaster& raster, const RegionTable& regionOf);

// The game list's background, 190 × 190, tiled behind the rows: the
// départements in pale tints on white, faint enough to read the rows over it.
inline constexpr int kListBackgroundSize = 190;
QImage ListBackground(const SvgMap& map);

// A small waving tricolour, 65 × 31, facing left or right.
QImage SmallFlag(bool facingRight);
// The sound button's loudspeaker, 32 × 32, with waves or crossed out.
QImage Loudspeaker(bool on);
// The marks of the multi-entry games, 25 × 25: a green tick or a red cross.
QImage Mark(bool right);

} // namespace datagen
