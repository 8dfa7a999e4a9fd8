#pragma once
// The thematic maps of the statistics windows: every département
// ("D1a.gif" .. "D1f.gif") or every région ("D2a.gif" .. "D2f.gif") painted
// in the colour of its figure's class, on the geometry of the labelled raster.
#include "LabelRaster.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <array>

namespace datagen {

// In the order of the statistics windows' choices (letters a to f).
enum class Statistic { Area, Population1990, Density1990, Population1999, Density1999, Evolution };
inline constexpr Statistic kStatistics[] = {Statistic::Area,           Statistic::Population1990,
                                            Statistic::Density1990,    Statistic::Population1999,
                                            Statistic::Density1999,    Statistic::Evolution};

inline const QColor kThematicBorder(255, 255, 255);  // borders between the items painted

// "D1a.gif" .. "D1f.gif" (départements), "D2a.gif" .. "D2f.gif" (régions).
QString ThematicFileName(Statistic statistic, bool regions);

// The figure of a département (index 1..96) or région (1..22) from the
// geography tables: area in km², population, inhabitants per km², or the
// evolution from 1990 to 1999 in per cent.
double Figure(Statistic statistic, bool regions, int index);

// The class 0..9 of a figure: the last class whose lower bound the figure
// reaches (a figure in a gap between two classes goes to the one below, one
// under the first bound to the first class).
int ClassOf(Statistic statistic, bool regions, double figure);

// The colour of a class, as the legend's swatch shows it.
QColor ClassColour(Statistic statistic, int classIndex);

// Expects the geography tables filled.
QImage ThematicMap(const LabelRaster& raster, const RegionTable& regionOf, Statistic statistic, bool regions);

} // namespace datagen
