#include "tutorials/StatImpression.h"

#include "platform/Conversions.h"
#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace stats {

namespace {

QFont PoliceImpression(int taille) { return platform::designFont(u"Times New Roman"_s, taille); }

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

ImpressionTableau::ImpressionTableau(const Tableau& tableau, const QString& pied) : largeurs_(tableau.largeurs)
{
    const Ligne blanc;
    const int nombre = int(tableau.lignes.size());
    int debut = 0;
    do {
        std::vector<Ligne> page;
        const bool premiere = pages_.empty();
        // The first page opens on a blank line.
        if (premiere)
            page.push_back(blanc);
        page.push_back({tableau.entetes});
        page.push_back(blanc);
        const int fin = std::min(nombre, debut + (premiere ? kLignesPremierePage : kLignesParPage));
        for (int i = debut; i < fin; ++i)
            page.push_back({tableau.lignes[size_t(i)]});
        debut = fin;
        // A blank line, then the footer; the last blank line is already at the footer's size.
        page.push_back({{}, debut < nombre ? 11 : 10});
        page.push_back({{pied}, 10});
        pages_.push_back(std::move(page));
    } while (debut < nombre);
}

QString ImpressionTableau::plainText() const
{
    QStringList pages;
    for (const auto& page : pages_) {
        QStringList lignes;
        for (const Ligne& ligne : page)
            lignes << ligne.cellules.join(u'\t');
        pages << lignes.join(u'\n');
    }
    return pages.join(u'\f');
}

int ImpressionTableau::layOut(QPaintDevice& device, const QSizeF& zone)
{
    appareil_ = &device;
    // The shares are worked out in twips, the unit of the columns on screen.
    const double twipsParPixel = 1440.0 / device.logicalDpiX();
    debuts_.assign(1, 0);
    for (int part : PartsColonnes(largeurs_, qRound(zone.width() * twipsParPixel)))
        debuts_.push_back(debuts_.back() + part / twipsParPixel);
    // A short page keeps the fonts and only draws the lines closer, alike on every page.
    double plusHaute = 0;
    for (const auto& page : pages_) {
        double hauteur = 0;
        for (const Ligne& ligne : page)
            hauteur += QFontMetricsF(PoliceImpression(ligne.taille), &device).lineSpacing();
        plusHaute = std::max(plusHaute, hauteur);
    }
    resserrement_ = plusHaute > zone.height() ? zone.height() / plusHaute : 1;
    return int(pages_.size());
}

void ImpressionTableau::paintPage(QPainter& painter, int page)
{
    double y = 0;
    for (const Ligne& ligne : pages_[size_t(page)]) {
        const QFont police(PoliceImpression(ligne.taille), appareil_);
        const QFontMetricsF metriques(police, appareil_);
        painter.setFont(police);
        const double base = y + metriques.ascent() * resserrement_;
        for (int j = 0; j < ligne.cellules.size() && j < int(debuts_.size()); ++j)
            painter.drawText(QPointF(debuts_[size_t(j)], base), ligne.cellules.at(j));
        y += metriques.lineSpacing() * resserrement_;
    }
}

} // namespace stats
