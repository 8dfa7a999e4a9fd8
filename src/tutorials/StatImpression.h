#pragma once
// Printing of a statistics table: a heading line and one line per row, in
// columns whose widths follow the list's columns on screen, 39 rows on the
// first page and 40 on each later one, a dated footer at the foot of each page.
#include "platform/Printer.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

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

// The printed table, page after page, line after line, each line in its
// font size: its cells start at the running sums of the column shares (the
// footer holds one cell), a blank line has none.
class ImpressionTableau final : public platform::Printout {
public:
    struct Ligne {
        QStringList cellules;
        int taille = 11;
    };

    ImpressionTableau(const Tableau& tableau, const QString& pied);

    QString plainText() const override;
    int layOut(QPaintDevice& device, const QSizeF& zone) override;
    void paintPage(QPainter& painter, int page) override;

private:
    std::vector<double> largeurs_;
    std::vector<std::vector<Ligne>> pages_;
    // From the last layout: where each column starts and how much the line pitch is tightened.
    std::vector<double> debuts_;
    double resserrement_ = 1;
    QPaintDevice* appareil_ = nullptr;
};

} // namespace stats
