#include "tutorials/DidacPop.h"

#include "app/Windows.h"
#include "quiz/Tables.h"

using namespace Qt::StringLiterals;
using namespace stats;

namespace {
Disposition DispositionDepartements()
{
    Disposition d;
    d.echelle = Echelle::Departements;
    d.hauteur = 7965;
    d.listeLeft = 120;
    d.listeTop = 120;
    d.listeWidth = 11655;
    d.listeHeight = 6255;
    d.totauxTop = 6480;
    d.totauxLeft = {600, 2640, 3600, 5040, 6120, 7440, 8640};
    d.totauxWidth = {2055, 975, 1455, 1095, 1335, 1215, 975};
    d.boutonsTop = 7080;
    d.choixLeft = 7680;
    d.legendeTop = 3120;
    d.label1Top = 5880;
    d.label2Top = 6480;
    d.entetes = {u"N°"_s,         u"Nom"_s,        u"Superficie"_s,  u"Population 1990"_s, u"Nb hab/km²"_s,
                 u"Population 1999"_s, u"Nb hab/km²"_s, u"Evolution %"_s, u"Préfecture"_s};
    d.largeurs = {400, 2051, 990, 1400, 1100, 1400, 1100, 1000, 1900};
    d.confirmation = u"Confirmez vous l'impression du tableau des départements\r\nNécessite 3 pages."_s;
    d.barreEtat = u"Superficie et population des départements — tableau : un clic sur un titre de colonne le trie ; carte : survolez un département"_s;
    return d;
}
} // namespace

DidacPop::DidacPop() : StatWindow(DispositionDepartements()) {}

platform::FormInstanceBase& DidacPop::soi() { return win::DidacPop; }

QStringList DidacPop::Ligne(int i) const
{
    const QString superf = TexteSuperficie(SuperfDep[size_t(i)], Echelle::Departements);
    const QString pop90 = TextePopulation(Pop90Dep[size_t(i)], Echelle::Departements);
    const QString pop99 = TextePopulation(Pop99Dep[size_t(i)], Echelle::Departements);
    return {TexteNumero(i),
            NomDep[size_t(i)],
            superf,
            pop90,
            TexteDensite(pop90, superf),
            pop99,
            TexteDensite(pop99, superf),
            TexteEvolution(pop90, pop99),
            PrefDep[size_t(i)]};
}

QString DidacPop::Nom(int item) const { return NomDep[size_t(item)]; }
QString DidacPop::Superf(int item) const { return SuperfDep[size_t(item)]; }
QString DidacPop::Pop90(int item) const { return Pop90Dep[size_t(item)]; }
QString DidacPop::Pop99(int item) const { return Pop99Dep[size_t(item)]; }
