#include "tutorials/DidacPop2.h"

#include "app/Windows.h"
#include "quiz/Tables.h"

using namespace Qt::StringLiterals;
using namespace stats;

namespace {
Disposition DispositionRegions()
{
    Disposition d;
    d.echelle = Echelle::Regions;
    d.hauteur = 8010;
    d.listeLeft = 240;
    d.listeTop = 600;
    d.listeWidth = 11415;
    d.listeHeight = 5055;
    d.totauxTop = 5760;
    d.totauxLeft = {360, 2400, 3480, 4920, 6000, 7440, 8640};
    d.totauxWidth = {2055, 1095, 1455, 1095, 1455, 1215, 975};
    d.boutonsTop = 7200;
    d.choixLeft = 8400;
    d.legendeTop = 3240;
    d.label1Top = 5760;
    d.label2Top = 6360;
    d.entetes = {u"Nom"_s,        u"Superficie"_s,  u"Population 1990"_s, u"Nb hab/km²"_s,
                 u"Population 1999"_s, u"Nb hab/km²"_s, u"Evolution %"_s,     u"Préfecture"_s};
    d.largeurs = {2100, 1100, 1450, 1100, 1450, 1100, 1000, 1900};
    d.confirmation = u"Confirmez vous l'impression du tableau des régions\r\nNécessite 1 page."_s;
    d.barreEtat = u"Superficie et population des régions — tableau : un clic sur un titre de colonne le trie ; carte : survolez une région"_s;
    d.policeListe = 7.5;  // "Provence-Alpes-Côte d'Azur" in its 2100 twips
    return d;
}
} // namespace

DidacPop2::DidacPop2() : StatWindow(DispositionRegions()) {}

platform::FormInstanceBase& DidacPop2::soi() { return win::DidacPop2; }

QStringList DidacPop2::Ligne(int i) const
{
    const QString superf = TexteSuperficie(SuperfRegion[size_t(i)], Echelle::Regions);
    const QString pop90 = TextePopulation(Pop90Region[size_t(i)], Echelle::Regions);
    const QString pop99 = TextePopulation(Pop99Region[size_t(i)], Echelle::Regions);
    return {NomRegion[size_t(i)],
            superf,
            pop90,
            TexteDensite(pop90, superf),
            pop99,
            TexteDensite(pop99, superf),
            TexteEvolution(pop90, pop99),
            PrefRegion[size_t(i)]};
}

int DidacPop2::ItemDuDepartement(int n) const { return NumRegionDep[size_t(n)]; }
QString DidacPop2::Nom(int item) const { return NomRegion[size_t(item)]; }
QString DidacPop2::Superf(int item) const { return SuperfRegion[size_t(item)]; }
QString DidacPop2::Pop90(int item) const { return Pop90Region[size_t(item)]; }
QString DidacPop2::Pop99(int item) const { return Pop99Region[size_t(item)]; }
