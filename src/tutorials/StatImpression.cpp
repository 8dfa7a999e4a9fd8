#include "tutorials/StatImpression.h"

#include "platform/Conversions.h"
#include "platform/Fonts.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace stats {

namespace {

QFont PoliceImpression(double taille) { return platform::designFont(u"Times New Roman"_s, taille); }

void AjouteLigneTableau(QTextTable* table, int ligne, const QStringList& cellules)
{
    // A cell keeps to one line however narrow its column: a wrapped cell would
    // push the rows after it, and the footer, off the foot of the page.
    QTextBlockFormat surUneLigne;
    surUneLigne.setNonBreakableLines(true);
    for (int j = 0; j < table->columns() && j < cellules.size(); ++j) {
        QTextCursor curseur = table->cellAt(ligne, j).firstCursorPosition();
        curseur.setBlockFormat(surUneLigne);
        curseur.insertText(cellules.at(j));
    }
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

std::unique_ptr<QTextDocument> DocumentTableau(const Tableau& tableau, const QString& pied, int largeurLigne)
{
    const std::vector<int> parts = PartsColonnes(tableau.largeurs, largeurLigne);
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setDefaultFont(PoliceImpression(11));

    QTextCharFormat corps;
    corps.setFont(PoliceImpression(11));
    QTextCharFormat petit;
    petit.setFont(PoliceImpression(10));

    QVector<QTextLength> colonnes;
    for (int part : parts)
        colonnes << QTextLength(QTextLength::PercentageLength, 100.0 * part / largeurLigne);
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
        debut = fin;
        premiere = false;
        // A blank line, then the footer; the last blank line is already at the footer's size.
        curseur = table->lastCursorPosition();
        curseur.movePosition(QTextCursor::NextBlock);
        curseur.insertText(ligneVide, debut < nombre ? corps : petit);
        curseur.insertBlock(QTextBlockFormat(), petit);
        curseur.insertText(pied, petit);
    } while (debut < nombre);
    return document;
}

} // namespace stats
