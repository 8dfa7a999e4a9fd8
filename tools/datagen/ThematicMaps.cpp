#include "ThematicMaps.h"

#include "Artwork.h"
#include "quiz/Tables.h"

#include <stdexcept>

namespace datagen {

namespace {

// Lower bounds of the ten classes of each statistic, as the legends read.
constexpr double kNoBound = -1e300;
constexpr double kDepArea[10] = {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000};
constexpr double kDepPopulation[10] = {0, 2e5, 4e5, 6e5, 8e5, 10e5, 12e5, 14e5, 16e5, 18e5};
constexpr double kDepDensity[10] = {0, 50, 100, 200, 300, 400, 600, 4000, 7000, 20000};
constexpr double kRegArea[10] = {0, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 40000, 45000};
constexpr double kRegPopulation[10] = {0, 1e6, 2e6, 3e6, 4e6, 5e6, 6e6, 7e6, 8e6, 9e6};
constexpr double kRegDensity[10] = {0, 30, 50, 70, 90, 110, 130, 150, 300, 800};
constexpr double kEvolution[10] = {kNoBound, -3, -1, 0, 1, 3, 5, 7, 9, 11};

const double* Bounds(Statistic s, bool regions)
{
    switch (s) {
    case Statistic::Area:
        return regions ? kRegArea : kDepArea;
    case Statistic::Population1990:
    case Statistic::Population1999:
        return regions ? kRegPopulation : kDepPopulation;
    case Statistic::Density1990:
    case Statistic::Density1999:
        return regions ? kRegDensity : kDepDensity;
    case Statistic::Evolution:
        return kEvolution;
    }
    return kEvolution;
}

} // namespace

QString ThematicFileName(Statistic statistic, bool regions)
{
    return QStringLiteral("D%1%2.gif").arg(regions ? 2 : 1).arg(QChar('a' + int(statistic)));
}

double Figure(Statistic statistic, bool regions, int index)
{
    const QString& area = regions ? SuperfRegion[index] : SuperfDep[index];
    const QString& pop90 = regions ? Pop90Region[index] : Pop90Dep[index];
    const QString& pop99 = regions ? Pop99Region[index] : Pop99Dep[index];
    switch (statistic) {
    case Statistic::Area:
        return ValeurFigure(area);
    case Statistic::Population1990:
        return ValeurFigure(pop90);
    case Statistic::Population1999:
        return ValeurFigure(pop99);
    case Statistic::Density1990:
        return ValeurFigure(pop90) / ValeurFigure(area);
    case Statistic::Density1999:
        return ValeurFigure(pop99) / ValeurFigure(area);
    case Statistic::Evolution:
        return (ValeurFigure(pop99) - ValeurFigure(pop90)) / ValeurFigure(pop90) * 100;
    }
    return 0;
}

int ClassOf(Statistic statistic, bool regions, double figure)
{
    const double* bounds = Bounds(statistic, regions);
    int c = 0;
    while (c < 9 && figure >= bounds[c + 1])
        ++c;
    return c;
}

QColor ClassColour(Statistic statistic, int classIndex)
{
    static const QColor kAreaAndPopulation[10] = {{250, 0, 0},     {0, 250, 0},   {0, 0, 250},  {0, 250, 250},
                                                  {250, 250, 0},   {250, 0, 250}, {150, 150, 100}, {0, 0, 0},
                                                  {190, 0, 25},    {80, 120, 40}};
    const bool densityOrEvolution = statistic == Statistic::Density1990 || statistic == Statistic::Density1999
        || statistic == Statistic::Evolution;
    // The two palettes exchange the colours of classes 2 and 9.
    if (densityOrEvolution && (classIndex == 2 || classIndex == 9))
        return kAreaAndPopulation[11 - classIndex];
    return kAreaAndPopulation[classIndex];
}

QImage ThematicMap(const LabelRaster& r, const RegionTable& regionOf, Statistic statistic, bool regions)
{
    QList<QRgb> colours{kSilver.rgb(), kThematicBorder.rgb()};
    for (int c = 0; c < 10; ++c)
        colours << ClassColour(statistic, c).rgb();
    std::array<uchar, 98> index{};
    for (int d = 1; d <= 96; ++d) {
        const int item = regions ? regionOf[d] : d;
        if (item < 1 || (regions && item > 22))
            throw std::runtime_error("thematic maps: no région for a département");
        index[d] = uchar(2 + ClassOf(statistic, regions, Figure(statistic, regions, item)));
    }
    QImage image(r.width, r.height, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < r.height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < r.width; ++x) {
            const int i = r.at(x, y);
            const Edge e = r.edge[i];
            if (!r.area[i])
                line[x] = 0;
            else if (e == Edge::Region || (e == Edge::Departement && !regions))
                line[x] = 1;
            else
                line[x] = index[r.area[i]];
        }
    }
    return image;
}

} // namespace datagen
