#include "ThematicMaps.h"

#include "Artwork.h"
#include "quiz/Tables.h"
#include "tutorials/ClassesCartes.h"

#include <stdexcept>

namespace datagen {

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
    return stats::ClasseDe(int(statistic), regions, figure);
}

QColor ClassColour(Statistic statistic, int classIndex)
{
    return stats::CouleursClasses(int(statistic)).at(classIndex);
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
