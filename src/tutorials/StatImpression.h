#pragma once
// Printing of a statistics table: a heading line and one line per row, in
// columns whose widths follow the list's columns on screen, 39 rows on the
// first page and 40 on each later one, a dated footer at the foot of each page.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTextDocument;

namespace stats {

// A table as the list shows it: headings, column widths on screen (twips), rows in display order.
struct Tableau {
    QStringList entetes;
    std::vector<double> largeurs;
    std::vector<QStringList> lignes;
};

inline constexpr int kLignesPremierePage = 39;
inline constexpr int kLignesParPage = 40;

// Each column's share of a printed line of the given width: the line width
// times the column's width over the total width, each share rounded by itself
// (halves to even); the total width is the running sum of the widths, rounded
// after each addition.
std::vector<int> PartsColonnes(const std::vector<double>& largeurs, int largeurLigne);

// "Imprimé le  5/ 12/ 2026 à  17 h 4 - Geomira"
QString PiedDePage(const QDateTime& quand);

// The document to print across a line of the given width (twips), the
// printer's printable width: the pages with their explicit breaks and footers.
std::unique_ptr<QTextDocument> DocumentTableau(const Tableau& tableau, const QString& pied, int largeurLigne);

} // namespace stats
