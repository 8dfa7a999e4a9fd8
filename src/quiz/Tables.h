#pragma once
// The geography tables: the fixed figures of the 96 départements and 22 régions.
#include <QString>
#include <array>
#include <cstdint>

// Département tables, indexed 0..97, filled 1..96 (20 = "2B", 96 = "2A").
extern std::array<QString, 98> NomDep;
extern std::array<QString, 98> RegionDep;
extern std::array<QString, 98> PrefDep;
extern std::array<int16_t, 98> NumRegionDep;
extern std::array<QString, 98> SuperfDep;   // " 5 762 km²"
extern std::array<QString, 98> Pop90Dep;    // "  471 019 hab"
extern std::array<QString, 98> Pop99Dep;

// Région tables, indexed 0..23, filled 1..22 in alphabetical order
// ("Basse Normandie" 16, "Haute Normandie" 17).
extern std::array<QString, 24> NomRegion;
extern std::array<QString, 24> PrefRegion;
extern std::array<QString, 24> SuperfRegion;  // "41 309 km²"
extern std::array<QString, 24> Pop90Region;   // " 2 795 830 hab"
extern std::array<QString, 24> Pop99Region;

// File name of the picture of région r (1..22) in the application folder, its
// coat of arms ("Alsace.gif".."Rhone.gif"); empty outside 1..22.
QString ImageRegion(int r);

// Stores the constant value of every filled entry; calling it again changes nothing.
void RemplitTables();

// The number a département index is shown with: "2B" for 20, "2A" for 96.
QString NumeroDep(int index);

// The number held by a figure text: the text without its unit, blanks ignored.
double ValeurFigure(const QString& figure);
