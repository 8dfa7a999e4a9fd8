#include "tutorials/StatImpression.h"

#include "platform/Conversions.h"
#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace stats {

namespace {

constexpr double kTailleNormale = 11;
constexpr double kTailleMinimale = 6;
constexpr double kEcartPoints = 3;  // room kept between two columns

QFont PoliceImpression(double taille) { return platform::designFont(u"Times New Roman"_s, taille); }

void AjouteLigneTableau(QTextTable* table, int ligne, const QStringList& cellules)
{
    for (int j = 0; j < table->columns() && j < cellules.size(); ++j)
        table->cellAt(ligne, j).firstCursorPosition().insertText(cellules.at(j));
}

} // namespace

std::vector<int> PartsColonnes(const std::vector<double>& largeurs, int largeurLigne)
{
    int16_t total = 0;
    for (double largeur : largeurs)
        total = platform::CInt(total + largeur);
    std::vector<int> parts;
    for (double largeur : largeurs)
        parts.push_back(total > 0 ? platform::CLng(double(largeurLigne) * largeur / total) : 0);
    return parts;
}

QString PiedDePage(const QDateTime& quand)
{
    const QDate jour = quand.date();
    const QTime heure = quand.time();
    return u"Imprimé le "_s + platform::Str(jour.day()) + u"/"_s + platform::Str(jour.month()) + u"/"_s
        + platform::Str(jour.year()) + u" à "_s + platform::Str(heure.hour()) + u" h"_s
        + platform::Str(heure.minute()) + u" - Geomira"_s;
}

double TaillePolice(const Tableau& tableau, const std::vector<int>& parts)
{
    // Widths measured on a large font, in ems, so that no screen resolution enters.
    QFont mesure = PoliceImpression(kTailleNormale);
    mesure.setPixelSize(1000);
    const QFontMetricsF metriques(mesure);
    double taille = kTailleNormale;
    for (size_t j = 0; j < parts.size(); ++j) {
        double ems = 0;
        if (int(j) < tableau.entetes.size())
            ems = metriques.horizontalAdvance(tableau.entetes.at(j)) / 1000.0;
        for (const QStringList& ligne : tableau.lignes)
            if (int(j) < ligne.size())
                ems = std::max(ems, metriques.horizontalAdvance(ligne.at(j)) / 1000.0);
        const double place = parts[j] / 20.0 - kEcartPoints;  // twips to points
        if (ems > 0 && place > 0)
            taille = std::min(taille, place / ems);
    }
    return std::max(kTailleMinimale, std::floor(taille * 2) / 2);
}

std::unique_ptr<QTextDocument> DocumentTableau(const Tableau& tableau, const QString& pied)
{
    const std::vector<int> parts = PartsColonnes(tableau.largeurs, kLargeurLigne);
    const double taille = TaillePolice(tableau, parts);
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setDefaultFont(PoliceImpression(taille));

    QTextCharFormat corps;
    corps.setFont(PoliceImpression(taille));
    // The footer keeps its size of 10 points: only the table is shrunk to fit.
    QTextCharFormat petit;
    petit.setFont(PoliceImpression(10));

    QVector<QTextLength> colonnes;
    for (int part : parts)
        colonnes << QTextLength(QTextLength::PercentageLength, 100.0 * part / kLargeurLigne);
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellPadding(0);
    format.setCellSpacing(0);
    format.setMargin(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(colonnes);

    QTextCursor curseur(document.get());
    // A blank line holds a blank: an empty block beside a table may be laid out with no height.
    const QString ligneVide = u" "_s;
    // The first page opens on a blank line.
    curseur.insertText(ligneVide, corps);
    const int nombre = int(tableau.lignes.size());
    int debut = 0;
    bool premiere = true;
    do {
        const int fin = std::min(nombre, debut + (premiere ? kLignesPremierePage : kLignesParPage));
        format.setPageBreakPolicy(premiere ? QTextFormat::PageBreak_Auto : QTextFormat::PageBreak_AlwaysBefore);
        // Heading, a blank line, the rows of the page.
        QTextTable* table = curseur.insertTable(2 + fin - debut, int(parts.size()), format);
        AjouteLigneTableau(table, 0, tableau.entetes);
        for (int i = debut; i < fin; ++i)
            AjouteLigneTableau(table, 2 + i - debut, tableau.lignes[size_t(i)]);
        // A blank line, then the footer.
        curseur = table->lastCursorPosition();
        curseur.movePosition(QTextCursor::NextBlock);
        curseur.insertText(ligneVide, corps);
        curseur.insertBlock(QTextBlockFormat(), petit);
        curseur.insertText(pied, petit);
        debut = fin;
        premiere = false;
    } while (debut < nombre);
    return document;
}

} // namespace stats
