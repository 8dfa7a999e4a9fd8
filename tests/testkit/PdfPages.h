#pragma once
// A printed PDF read back as pages of text lines, with their places on the sheet.
#include <QList>
#include <QMap>
#include <QSizeF>
#include <QString>

namespace testkit {

// A printed line as pdftohtml reads it back, in points from the sheet's top-left
// corner: its top and bottom, its left and right ends, its font size (-1 when
// mixed), its texts joined and where each of them starts. Blank lines are not read.
struct LignePdf {
    double haut = 0, bas = 0, gauche = 0, droite = 0, taille = 0;
    QString texte;
    QMap<QString, double> debuts;
};
struct PagePdf {
    QSizeF taille;
    QList<LignePdf> lignes;
};

QList<PagePdf> pagesPdf(const QString& pdf);

} // namespace testkit
