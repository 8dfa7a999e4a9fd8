#include "quiz/LibelleAjuste.h"

#include <QFontMetrics>
#include <algorithm>

LibelleAjuste::LibelleAjuste(QWidget* parent)
    : QLabel(parent), police_(font())
{
}

void LibelleAjuste::setText(const QString& texte)
{
    QLabel::setText(texte);
    ajuste();
}

void LibelleAjuste::ajuste()
{
    // Blanks at the end of a line hang past the label's edge without breaking it.
    QStringList lignes = text().remove(u'\r').split(u'\n');
    for (QString& ligne : lignes) {
        while (ligne.endsWith(u' '))
            ligne.chop(1);
    }
    const int place = contentsRect().width();
    // Measured as the label lays the line out: the sum of the advances can come out
    // a pixel or two short of it once the letters are narrowed.
    const auto tient = [&](const QFont& police) {
        const QFontMetrics fm(police);
        return std::all_of(lignes.begin(), lignes.end(),
                           [&](const QString& ligne) { return fm.boundingRect(QRect(), 0, ligne).width() < place; });
    };
    QFont police = police_;
    for (int etirement = 99; !tient(police) && etirement >= 1; --etirement)
        police.setStretch(etirement);
    setFont(police);
}
