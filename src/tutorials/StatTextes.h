#pragma once
// Texts of the statistics tutorials: the padded cells of the tables, the
// figures shown under the mouse on the thematic maps, the legends and the
// swatch colours of the six statistics.
#include <QColor>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>

namespace stats {

// The six statistics of the option group C, by index.
enum Statistique : int { Superficie = 0, Population1990, Densite1990, Population1999, Densite1999, Evolution };
inline constexpr int kStatistiques = 6;
inline constexpr int kClasses = 10;

// Which of the twin windows: the 96 départements or the 22 régions.
enum class Echelle { Departements, Regions };

// Column 0 of the département table: "   9", " 10", " 2B" (20), " 2A" (96).
QString TexteNumero(int index);
// The table's area text with the blanks that align it in its column.
QString TexteSuperficie(const QString& superficie, Echelle echelle);
// The table's population text with the blanks that align it in its column.
QString TextePopulation(const QString& population, Echelle echelle);
// Inhabitants per km², one decimal at most, padded in front: "       81,7", "20499,3".
QString TexteDensite(const QString& population, const QString& superficie, const QLocale& locale = QLocale());
// "Pos 9,39" / "Neg 0,18": the change from 1990 to 1999 in per cent, two decimals at most.
QString TexteEvolution(const QString& pop90, const QString& pop99, const QLocale& locale = QLocale());

// A rounded value written without thousands separator and without trailing
// zeros, with the locale's decimal separator: 47, 81,7, 0,94.
QString EcritSansZeros(double arrondi, int decimales, const QLocale& locale = QLocale());
// A value written with exactly one decimal, thousands grouped, no zero before
// the separator below 1: "20 499,3", "51,0", ",6", "-,3".
QString EcritUneDecimale(double valeur, const QLocale& locale = QLocale());

// Figures under the mouse: density to one decimal, evolution rounded to two
// decimals and then written with one (halves away from zero).
QString DensiteSurvol(const QString& population, const QString& superficie, const QLocale& locale = QLocale());
QString EvolutionSurvol(const QString& pop90, const QString& pop99, const QLocale& locale = QLocale());

// The picture of a statistic's thematic map ("D1a.gif" .. "D2f.gif").
QString ImageCarte(Statistique statistique, Echelle echelle);
// The ten swatch colours of a statistic.
std::array<QColor, kClasses> Palette(Statistique statistique);
// The ten legend lines of a statistic, and the legend caption (lines joined by CR LF).
QStringList LignesLegende(Statistique statistique, Echelle echelle);
QString Legende(Statistique statistique, Echelle echelle);

} // namespace stats
