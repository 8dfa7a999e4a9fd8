#pragma once
// The ten classes of each statistic on the thematic maps: where each class
// begins and its colour. The data-set generator colours the maps with them and
// the statistics windows draw the legend swatches with them, so that a map and
// its legend cannot disagree.
#include <QColor>
#include <array>

namespace stats {

// In the order of the statistics windows' option group C.
inline constexpr int kStatistiquesCartes = 6;
inline constexpr int kClassesCartes = 10;
// The first evolution class takes every loss beyond -3 %.
inline constexpr double kSansBorne = -1e300;

// Lower bound of each class, as the legend lines read; a figure that falls in
// a legend's gap (600 to 4 000 inhabitants per km²) belongs to the class below.
// [statistic][0 départements, 1 régions][class]
inline constexpr double kBornesClasses[kStatistiquesCartes][2][kClassesCartes] = {
    {{0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000},
     {0, 5000, 10000, 15000, 20000, 25000, 30000, 35000, 40000, 45000}},
    {{0, 2e5, 4e5, 6e5, 8e5, 10e5, 12e5, 14e5, 16e5, 18e5}, {0, 1e6, 2e6, 3e6, 4e6, 5e6, 6e6, 7e6, 8e6, 9e6}},
    {{0, 50, 100, 200, 300, 400, 600, 4000, 7000, 20000}, {0, 30, 50, 70, 90, 110, 130, 150, 300, 800}},
    {{0, 2e5, 4e5, 6e5, 8e5, 10e5, 12e5, 14e5, 16e5, 18e5}, {0, 1e6, 2e6, 3e6, 4e6, 5e6, 6e6, 7e6, 8e6, 9e6}},
    {{0, 50, 100, 200, 300, 400, 600, 4000, 7000, 20000}, {0, 30, 50, 70, 90, 110, 130, 150, 300, 800}},
    {{kSansBorne, -3, -1, 0, 1, 3, 5, 7, 9, 11}, {kSansBorne, -3, -1, 0, 1, 3, 5, 7, 9, 11}},
};

// Index of the class of a figure: the last class whose bound it reaches.
inline int ClasseDe(int statistique, bool regions, double figure)
{
    const double* bornes = kBornesClasses[statistique][regions ? 1 : 0];
    int classe = 0;
    while (classe < kClassesCartes - 1 && figure >= bornes[classe + 1])
        ++classe;
    return classe;
}

// The ten colours of a statistic; densities and evolution exchange classes 2 and 9.
inline std::array<QColor, kClassesCartes> CouleursClasses(int statistique)
{
    std::array<QColor, kClassesCartes> couleurs = {
        QColor(250, 0, 0),   QColor(0, 250, 0),   QColor(0, 0, 250),       QColor(0, 250, 250), QColor(250, 250, 0),
        QColor(250, 0, 250), QColor(150, 150, 100), QColor(0, 0, 0),       QColor(190, 0, 25),  QColor(80, 120, 40),
    };
    if (statistique == 2 || statistique == 4 || statistique == 5)
        std::swap(couleurs[2], couleurs[9]);
    return couleurs;
}

} // namespace stats
