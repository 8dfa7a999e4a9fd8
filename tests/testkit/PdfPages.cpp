#include "testkit/PdfPages.h"

#include <QProcess>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace testkit {

QList<PagePdf> pagesPdf(const QString& pdf)
{
    const double zoom = 3;  // its largest: positions to a third of a point
    QProcess process;
    process.start(u"pdftohtml"_s, {u"-xml"_s, u"-stdout"_s, u"-i"_s, u"-q"_s, u"-zoom"_s, QString::number(zoom), pdf});
    process.waitForFinished(30000);
    QXmlStreamReader xml(process.readAllStandardOutput());
    QList<PagePdf> pages;
    QMap<QString, double> tailles;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        auto nombre = [&](const char* nom) { return a.value(QLatin1StringView(nom)).toDouble() / zoom; };
        if (xml.name() == u"page") {
            pages.append(PagePdf{QSizeF(nombre("width"), nombre("height")), {}});
        } else if (xml.name().startsWith(u"font")) {  // the sizes of the fonts pdftohtml lists
            tailles[a.value("id"_L1).toString()] = nombre("size");
        } else if (xml.name() == u"text") {
            const double haut = nombre("top"), gauche = nombre("left"), droite = gauche + nombre("width");
            const double taille = tailles.value(a.value("font"_L1).toString());
            const QString texte = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (texte.trimmed().isEmpty())
                continue;
            // The texts come line after line, from the top.
            QList<LignePdf>& lignes = pages.last().lignes;
            if (lignes.isEmpty() || qAbs(lignes.last().haut - haut) >= 1)
                lignes.append(LignePdf{haut, haut + nombre("height"), gauche, droite, taille, {}, {}});
            LignePdf& ligne = lignes.last();
            ligne.texte += (ligne.texte.isEmpty() ? u""_s : u" "_s) + texte;
            ligne.debuts[texte.trimmed()] = gauche;
            ligne.gauche = qMin(ligne.gauche, gauche);
            ligne.droite = qMax(ligne.droite, droite);
            if (ligne.taille != taille)
                ligne.taille = -1;
        }
    }
    return pages;
}

} // namespace testkit
