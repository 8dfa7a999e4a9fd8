#pragma once
// Texts and small helpers shared by the game routines.
#include "platform/Conversions.h"
#include "quiz/Tables.h"

#include <QString>

namespace jeux {

inline const QString CRLF = QStringLiteral("\r\n");
inline const QString kExact = QStringLiteral("Exact !");
inline const QString kFaux = QStringLiteral("Faux !");
inline const QString kTempsEcoule = QStringLiteral("Temps Ecoulé !");

// The game number when the text is one of the games premier..dernier, else 0.
inline int jeuParmi(const QString& jeu, int premier, int dernier)
{
    for (int g = premier; g <= dernier; ++g) {
        if (jeu == QString::number(g))
            return g;
    }
    return 0;
}

// A département number as the number-to-text conversion writes it (" 7"), or "2B"/"2A".
inline QString numeroConverti(int d) { return (d == 20 || d == 96) ? NumeroDep(d) : platform::Str(d); }
// The same with a blank before the Corsican numbers too (" 7", " 2B"), as messages write them.
inline QString numero(int d) { return (d == 20 || d == 96) ? QStringLiteral(" ") + NumeroDep(d) : platform::Str(d); }

} // namespace jeux
