#include "tutorials/StatTextes.h"

#include "tutorials/ClassesCartes.h"

#include "platform/Conversions.h"
#include "quiz/Tables.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace stats {

namespace {

// Exact whole count of units of 10^-decimales in an already rounded value.
long long Unites(double arrondi, int decimales)
{
    return std::llround(arrondi * std::pow(10.0, decimales));
}

double Variation(const QString& pop90, const QString& pop99)
{
    const double a = ValeurFigure(pop90);
    const double b = ValeurFigure(pop99);
    return (b - a) / a * 100.0;
}

double Densite(const QString& population, const QString& superficie)
{
    return ValeurFigure(population) / ValeurFigure(superficie);
}

const char16_t* const kSuperficieDep[kClasses] = {
    u"        0 à 1 000 km²",
    u"1 000 à  2 000 km²",
    u"2 000 à  3 000 km²",
    u"3 000 à  4 000 km²",
    u"4 000 à  5 000 km²",
    u"5 000 à  6 000 km²",
    u"6 000 à  7 000 km²",
    u"7 000 à  8 000 km²",
    u"8 000 à  9 000 km²",
    u"9 000 à 10 000 km²",
};
const char16_t* const kPopulationDep[kClasses] = {
    u"                  0 à      200 000 hab",
    u"       200 000 à     400 000 hab",
    u"       400 000 à     600 000 hab",
    u"       600 000 à     800 000 hab",
    u"       800 000 à 1 000 000 hab",
    u"    1 000 000 à 1 200 000 hab",
    u"    1 200 000 à 1 400 000 hab",
    u"    1 400 000 à 1 600 000 hab",
    u"    1 600 000 à 1 800 000 hab",
    u"> 1 800 000 hab",
};
const char16_t* const kDensite1990Dep[kClasses] = {
    u"           0 à 50 hab/km²",
    u"           50 à 100 hab/km²",
    u"          100 à 200 hab/km²",
    u"          200 à 300 hab/km²",
    u"          300 à 400 hab/km²",
    u"          400 à 600 hab/km²",
    u"          600 à 1 000 hab/km²",
    u"       4 000 à 7 000 hab/km²",
    u"       7 000 à 10 000 hab/km²",
    u"> 20 000 hab/km²",
};
const char16_t* const kDensite1999Dep[kClasses] = {
    u"              0 à 50 hab/km²",
    u"            50 à 100 hab/km²",
    u"           100 à 200 hab/km²",
    u"           200 à 300 hab/km²",
    u"           300 à 400 hab/km²",
    u"           400 à 600 hab/km²",
    u"           600 à 1 000 hab/km²",
    u"       4 000 à 7 000 hab/km²",
    u"       7 000 à 10 000 hab/km²",
    u"> 20 000 hab/km²",
};
const char16_t* const kEvolution[kClasses] = {
    u" -5 à - 3 %",
    u" -3 à -1 %",
    u" -1 à  0 %",
    u"  0 à +1 %",
    u" +1 à +3 %",
    u" +3 à +5 %",
    u" +5 à +7 %",
    u" +7 à +9 %",
    u" +9 à +11 %",
    u"+11 % et plus",
};
const char16_t* const kSuperficieReg[kClasses] = {
    u"         0 à    5 000 km²",
    u"  5 000 à  10 000 km²",
    u"10 000 à 15 000 km²",
    u"15 000 à 20 000 km²",
    u"20 000 à 25 000 km²",
    u"25 000 à 30 000 km²",
    u"30 000 à 35 000 km²",
    u"35 000 à 40 000 km²",
    u"40 000 à 45 000 km²",
    u"45 000 à 50 000 km²",
};
const char16_t* const kPopulationReg[kClasses] = {
    u"                    0 à 1 000 000 hab",
    u"     1 000 000 à 2 000 000 hab",
    u"     2 000 000 à 3 000 000 hab",
    u"     3 000 000 à 4 000 000 hab",
    u"     4 000 000 à 5 000 000 hab",
    u"     5 000 000 à 6 000 000 hab",
    u"     6 000 000 à 7 000 000 hab",
    u"     7 000 000 à 8 000 000 hab",
    u"     8 000 000 à 9 000 000 hab",
    u"> 9 000 000 hab",
};
const char16_t* const kDensiteReg[kClasses] = {
    u"        0 à  30 hab/km²",
    u"      30 à   50 hab/km²",
    u"      50 à   70 hab/km²",
    u"      70 à   90 hab/km²",
    u"      90 à 110 hab/km²",
    u"    110 à 130 hab/km²",
    u"    130 à 150 hab/km²",
    u"    150 à 200 hab/km²",
    u"    300 à 800 hab/km²",
    u"> 800 hab/km²",
};

} // namespace

QString TexteNumero(int index)
{
    if (index == 20)
        return u" 2B"_s;
    if (index == 96)
        return u" 2A"_s;
    if (index >= 1 && index <= 9)
        return u"   "_s + QString::number(index);
    return u" "_s + QString::number(index);
}

QString TexteSuperficie(const QString& superficie, Echelle echelle)
{
    const double v = ValeurFigure(superficie);
    int blancs = 0;
    if (echelle == Echelle::Departements)
        blancs = v < 1000 ? 1 : 0;
    else
        blancs = v < 1000 ? 3 : v < 10000 ? 2 : 0;
    return QString(blancs, u' ') + superficie;
}

QString TextePopulation(const QString& population, Echelle echelle)
{
    const double v = ValeurFigure(population);
    int blancs = 0;
    if (echelle == Echelle::Departements) {
        if (v < 100000)
            blancs = 2;
        else if (v > 100000 && v < 1000000)
            blancs = 1;
    } else {
        if (v < 100000)
            blancs = 3;
        else if (v > 100000 && v < 1000000)
            blancs = 2;
        else if (v > 1000000 && v < 10000000)
            blancs = 1;
    }
    return QString(blancs, u' ') + population;
}

QString EcritSansZeros(double arrondi, int decimales, const QLocale& locale)
{
    const long long unites = Unites(arrondi, decimales);
    long long echelle = 1;
    for (int i = 0; i < decimales; ++i)
        echelle *= 10;
    const long long absolu = unites < 0 ? -unites : unites;
    QString texte = (unites < 0 ? u"-"_s : QString()) + QString::number(absolu / echelle);
    QString fraction = QString::number(absolu % echelle).rightJustified(decimales, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        texte += locale.decimalPoint() + fraction;
    return texte;
}

QString EcritUneDecimale(double valeur, const QLocale& locale)
{
    // From hundredths to tenths, a half going away from zero.
    const long long centiemes = std::llround(valeur * 100.0);
    const long long absolu = centiemes < 0 ? -centiemes : centiemes;
    const long long dixiemes = (absolu + 5) / 10;
    const long long entier = dixiemes / 10;
    QString texte;
    if (centiemes < 0 && dixiemes != 0)
        texte += locale.negativeSign();
    if (entier != 0)
        texte += locale.toString(entier);  // grouped by thousands
    texte += locale.decimalPoint() + QString::number(dixiemes % 10);
    return texte;
}

QString TexteDensite(const QString& population, const QString& superficie, const QLocale& locale)
{
    const double arrondi = platform::Round(Densite(population, superficie), 1);
    const QString ecrit = EcritSansZeros(arrondi, 1, locale);
    const long long w = Unites(arrondi, 1) / 10;
    int blancs = 0;
    if (w >= 1000 && w < 10000)
        blancs = 3;
    else if (w >= 100 && w < 1000)
        blancs = 5;
    else if (w >= 10 && w < 100)
        blancs = 7;
    return QString(blancs, u' ') + ecrit;
}

QString TexteEvolution(const QString& pop90, const QString& pop99, const QLocale& locale)
{
    const double evolution = Variation(pop90, pop99);
    if (ValeurFigure(pop99) >= ValeurFigure(pop90))
        return u"Pos "_s + EcritSansZeros(platform::Round(evolution, 2), 2, locale);
    return u"Neg "_s + EcritSansZeros(platform::Round(-evolution, 2), 2, locale);
}

QString DensiteSurvol(const QString& population, const QString& superficie, const QLocale& locale)
{
    return EcritUneDecimale(platform::Round(Densite(population, superficie), 1), locale);
}

QString EvolutionSurvol(const QString& pop90, const QString& pop99, const QLocale& locale)
{
    return EcritUneDecimale(platform::Round(Variation(pop90, pop99), 2), locale);
}

QString ImageCarte(Statistique statistique, Echelle echelle)
{
    const QChar lettre = QChar(u'a' + int(statistique));
    return (echelle == Echelle::Departements ? u"D1"_s : u"D2"_s) + lettre + u".gif"_s;
}

std::array<QColor, kClasses> Palette(Statistique statistique) { return CouleursClasses(statistique); }

QStringList LignesLegende(Statistique statistique, Echelle echelle)
{
    const bool dep = echelle == Echelle::Departements;
    const char16_t* const* lignes = kEvolution;
    switch (statistique) {
    case Superficie: lignes = dep ? kSuperficieDep : kSuperficieReg; break;
    case Population1990:
    case Population1999: lignes = dep ? kPopulationDep : kPopulationReg; break;
    case Densite1990: lignes = dep ? kDensite1990Dep : kDensiteReg; break;
    case Densite1999: lignes = dep ? kDensite1999Dep : kDensiteReg; break;
    case Evolution: lignes = kEvolution; break;
    }
    QStringList texte;
    for (int i = 0; i < kClasses; ++i)
        texte << QString::fromUtf16(lignes[i]);
    return texte;
}

QString Legende(Statistique statistique, Echelle echelle)
{
    return LignesLegende(statistique, echelle).join(u"\r\n"_s);
}

} // namespace stats
