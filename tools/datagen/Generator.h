#pragma once
// The whole data set of the application folder, made from the map source.
#include "LabelRaster.h"

#include <QString>

namespace datagen {

// Geometry of the quiz window's map: the picture, and the strip under the
// map's title label that must stay free of land.
inline constexpr int kMapWidth = 449;
inline constexpr int kMapHeight = 483;
inline const QRect kTitleLabelStrip(16, 464, 234, 34);  // x 16..249, y 464..497
// The title picture, at the size of its box on the title window (7935 × 7245 twips).
inline constexpr int kTitleWidth = 529;
inline constexpr int kTitleHeight = 483;

struct GeneratorPaths {
    QString svg;        // the départements map source
    QString appDir;     // the application folder
    QString storedDir;  // pictures stored with the windows (embedded as resources)
    QString pixelsDir;  // a plain copy of the pixel files, for the checks
};

struct GeneratorReport {
    int pixelFiles = 0;
    qint64 pixelBytes = 0;
    qint64 archiveBytes = 0;
    int clickablePixels = 0;
};

RegionTable RegionsOfDepartements();  // NumRegionDep, after the tables are filled
RasterOptions QuizMapOptions(const SvgMap& map);
RasterOptions TitleMapOptions(const SvgMap& map);

// Writes every file; throws std::runtime_error naming the first failure.
GeneratorReport Generate(const GeneratorPaths& paths);

} // namespace datagen
