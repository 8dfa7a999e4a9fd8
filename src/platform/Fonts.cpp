#include "platform/Fonts.h"

#include <QApplication>

namespace platform {

void installFontSubstitutions()
{
    struct Mapping {
        const char* design;
        QStringList freeFonts;
    };
    const Mapping mappings[] = {
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
        {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
        {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Microsoft Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
        {"Tahoma", {"DejaVu Sans Condensed", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
        {"Comic Sans MS", {"DejaVu Sans", "Liberation Sans"}},
        // A chancery italic, narrower than any fallback italic.
        {"Monotype Corsiva", {"Z003", "URW Chancery L", "TeX Gyre Chorus"}},
    };
    for (const Mapping& mapping : mappings)
        QFont::insertSubstitutions(QString::fromLatin1(mapping.design), mapping.freeFonts);
    QApplication::setFont(designFont(QStringLiteral("MS Sans Serif"), 8));
}

QFont designFont(const QString& family, double pointSize, bool bold, bool italic, bool underline)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace platform
