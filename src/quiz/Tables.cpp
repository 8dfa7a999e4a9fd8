#include "quiz/Tables.h"

#include "platform/Conversions.h"

using namespace Qt::StringLiterals;

std::array<QString, 98> NomDep;
std::array<QString, 98> RegionDep;
std::array<QString, 98> PrefDep;
std::array<int16_t, 98> NumRegionDep{};
std::array<QString, 98> SuperfDep;
std::array<QString, 98> Pop90Dep;
std::array<QString, 98> Pop99Dep;
std::array<QString, 24> NomRegion;
std::array<QString, 24> PrefRegion;
std::array<QString, 24> SuperfRegion;
std::array<QString, 24> Pop90Region;
std::array<QString, 24> Pop99Region;

namespace {

struct DepartementRow {
    const char16_t* nom;
    int16_t region;
    const char16_t* prefecture;
    long long superficie;
    long long pop90;
    long long pop99;
};

struct RegionRow {
    const char16_t* nom;
    const char16_t* prefecture;
    long long superficie;
    long long pop90;
    long long pop99;
};

// Indexed by département index 1..96 (20 is "2B", 96 is "2A").
const DepartementRow kDepartements[96] = {
    {u"Ain", 22, u"Bourg en Bresse", 5762, 471019, 515270}, // 1
    {u"Aisne", 19, u"Laon", 7369, 537259, 535489}, // 2
    {u"Allier", 3, u"Moulins", 7340, 357710, 344721}, // 3
    {u"Alpes de Haute Provence", 21, u"Digne les Bains", 6925, 130883, 139561}, // 4
    {u"Hautes Alpes", 21, u"Gap", 5549, 113300, 121419}, // 5
    {u"Alpes Maritimes", 21, u"Nice", 4299, 971829, 1011326}, // 6
    {u"Ardèche", 22, u"Privas", 5529, 277581, 286023}, // 7
    {u"Ardennes", 7, u"Charleville-Mézières", 5229, 296357, 290130}, // 8
    {u"Ariège", 14, u"Foix", 4890, 136455, 137205}, // 9
    {u"Aube", 7, u"Troyes", 6004, 289207, 292131}, // 10
    {u"Aude", 11, u"Carcassonne", 6139, 298712, 309770}, // 11
    {u"Aveyron", 14, u"Rodez", 8735, 270141, 263808}, // 12
    {u"Bouches du Rhône", 21, u"Marseille", 5087, 1759371, 1835719}, // 13
    {u"Calvados", 16, u"Caen", 5548, 618478, 648385}, // 14
    {u"Cantal", 3, u"Aurillac", 5726, 158723, 150778}, // 15
    {u"Charente", 20, u"Angoulême", 5956, 341993, 339628}, // 16
    {u"Charente Maritime", 20, u"La Rochelle", 6864, 527146, 557024}, // 17
    {u"Cher", 6, u"Bourges", 7235, 321559, 314428}, // 18
    {u"Corrèze", 12, u"Tulle", 5857, 237908, 232576}, // 19
    {u"Haute Corse", 8, u"Bastia", 4666, 131563, 141603}, // 20
    {u"Côte d'Or", 4, u"Dijon", 8763, 493866, 506755}, // 21
    {u"Côtes d'Armor", 5, u"Saint-Brieuc", 6878, 538395, 542373}, // 22
    {u"Creuse", 12, u"Guéret", 5565, 131349, 124470}, // 23
    {u"Dordogne", 2, u"Périgueux", 9060, 386365, 388293}, // 24
    {u"Doubs", 9, u"Besançon", 5234, 484770, 499062}, // 25
    {u"Drôme", 22, u"Valence", 6530, 414072, 437778}, // 26
    {u"Eure", 17, u"Evreux", 6040, 513818, 541054}, // 27
    {u"Eure et Loir", 6, u"Chartres", 5880, 396073, 407665}, // 28
    {u"Finistère", 5, u"Quimper", 6733, 838687, 852418}, // 29
    {u"Gard", 11, u"Nîmes", 5853, 585049, 623125}, // 30
    {u"Haute Garonne", 14, u"Toulouse", 6309, 925962, 1046338}, // 31
    {u"Gers", 14, u"Auch", 6257, 174587, 172335}, // 32
    {u"Gironde", 2, u"Bordeaux", 10000, 1213499, 1287334}, // 33
    {u"Hérault", 11, u"Montpellier", 6101, 794603, 896441}, // 34
    {u"Ille et Vilaine", 5, u"Rennes", 6775, 798718, 867533}, // 35
    {u"Indre", 6, u"Châteauroux", 6791, 237510, 231139}, // 36
    {u"Indre et Loire", 6, u"Tours", 6127, 529345, 554003}, // 37
    {u"Isère", 22, u"Grenoble", 7431, 1016228, 1094006}, // 38
    {u"Jura", 9, u"Lons Le Saunier", 4999, 248759, 250857}, // 39
    {u"Landes", 2, u"Mont de Marsan", 9243, 311461, 327334}, // 40
    {u"Loir et Cher", 6, u"Blois", 6343, 305937, 314968}, // 41
    {u"Loire", 22, u"Saint-Etienne", 4781, 746288, 728524}, // 42
    {u"Haute Loire", 3, u"Le Puy en Velay", 4977, 206568, 209113}, // 43
    {u"Loire Atlantique", 18, u"Nantes", 6815, 1052183, 1134266}, // 44
    {u"Loiret", 6, u"Orléans", 6776, 580612, 618126}, // 45
    {u"Lot", 14, u"Cahors", 5217, 155816, 160197}, // 46
    {u"Lot et Garonne", 2, u"Agen", 5361, 305989, 305380}, // 47
    {u"Lozère", 11, u"Mende", 5167, 72825, 73509}, // 48
    {u"Maine et Loire", 18, u"Angers", 7166, 705882, 732942}, // 49
    {u"Manche", 16, u"Saint-Lô", 5938, 479636, 481471}, // 50
    {u"Marne", 7, u"Chalons en Champagne", 8162, 558217, 565229}, // 51
    {u"Haute Marne", 7, u"Chaumont", 6211, 204067, 194873}, // 52
    {u"Mayenne", 18, u"Laval", 5175, 278037, 285338}, // 53
    {u"Meurthe et Moselle", 13, u"Nancy", 5241, 711943, 713779}, // 54
    {u"Meuse", 13, u"Bar Le Duc", 6212, 196223, 192198}, // 55
    {u"Morbihan", 5, u"Vannes", 6823, 619838, 643873}, // 56
    {u"Moselle", 13, u"Metz", 6216, 1011302, 1023447}, // 57
    {u"Nièvre", 4, u"Nevers", 6817, 233278, 225198}, // 58
    {u"Nord", 15, u"Lille", 5743, 2531855, 2555020}, // 59
    {u"Oise", 19, u"Beauvais", 5860, 725603, 766441}, // 60
    {u"Orne", 16, u"Alençon", 6103, 293204, 292337}, // 61
    {u"Pas de Calais", 15, u"Arras", 6671, 1433203, 1441568}, // 62
    {u"Puy de Dôme", 3, u"Clermont Ferrand", 7970, 598213, 604266}, // 63
    {u"Pyrénées Atlantiques", 2, u"Pau", 7645, 578516, 600018}, // 64
    {u"Hautes Pyrénées", 14, u"Tarbes", 4464, 224759, 222368}, // 65
    {u"Pyrénées Orientales", 11, u"Perpignan", 4116, 363796, 392803}, // 66
    {u"Bas Rhin", 1, u"Strasbourg", 4755, 953053, 1026120}, // 67
    {u"Haut Rhin", 1, u"Colmar", 3525, 671319, 708025}, // 68
    {u"Rhône", 22, u"Lyon", 3249, 1508966, 1578869}, // 69
    {u"Haute Saône", 9, u"Vesoul", 5360, 229650, 229732}, // 70
    {u"Saône et Loire", 4, u"Macon", 8575, 559413, 544893}, // 71
    {u"Sarthe", 18, u"Le Mans", 6206, 513654, 529851}, // 72
    {u"Savoie", 22, u"Chambéry", 6028, 348261, 373258}, // 73
    {u"Haute Savoie", 22, u"Annecy", 4388, 568286, 631679}, // 74
    {u"Paris", 10, u"Paris", 105, 2152423, 2125246}, // 75
    {u"Seine Maritime", 17, u"Rouen", 6278, 1223429, 1239138}, // 76
    {u"Seine et Marne", 10, u"Melun", 5915, 1078166, 1193767}, // 77
    {u"Yvelines", 10, u"Versailles", 2284, 1307150, 1354304}, // 78
    {u"Deux Sèvres", 20, u"Niort", 5999, 345965, 344392}, // 79
    {u"Somme", 19, u"Amiens", 6170, 547825, 555551}, // 80
    {u"Tarn", 14, u"Albi", 5758, 342723, 343402}, // 81
    {u"Tarn et Garonne", 14, u"Montauban", 3718, 200220, 206034}, // 82
    {u"Var", 21, u"Toulon", 5973, 815449, 898441}, // 83
    {u"Vaucluse", 21, u"Avignon", 3567, 467075, 499685}, // 84
    {u"Vendée", 18, u"La Roche sur Yon", 6720, 509356, 539664}, // 85
    {u"Vienne", 20, u"Poitiers", 6990, 380005, 399024}, // 86
    {u"Haute Vienne", 12, u"Limoges", 5520, 353593, 353893}, // 87
    {u"Vosges", 13, u"Epinal", 5874, 386258, 380952}, // 88
    {u"Yonne", 4, u"Auxerre", 7427, 323096, 333221}, // 89
    {u"Territoire de Belfort", 9, u"Belfort", 609, 134097, 137408}, // 90
    {u"Essonne", 10, u"Evry", 1804, 1084824, 1134238}, // 91
    {u"Hauts de Seine", 10, u"Nanterre", 176, 1391658, 1428881}, // 92
    {u"Seine Saint Denis", 10, u"Bobigny", 236, 1381197, 1382861}, // 93
    {u"Val de Marne", 10, u"Créteil", 245, 1215538, 1227250}, // 94
    {u"Val d'Oise", 10, u"Pontoise", 1246, 1049598, 1105464}, // 95
    {u"Corse du Sud", 8, u"Ajaccio", 4014, 118808, 118593}, // 96
};

// Indexed by région index 1..22, alphabetical with the two Normandies under N.
const RegionRow kRegions[22] = {
    {u"Alsace", u"Strasbourg", 8280, 1624372, 1734145}, // 1
    {u"Aquitaine", u"Bordeaux", 41309, 2795830, 2908359}, // 2
    {u"Auvergne", u"Clermont Ferrand", 26013, 1321214, 1308878}, // 3
    {u"Bourgogne", u"Dijon", 31582, 1609653, 1610067}, // 4
    {u"Bretagne", u"Rennes", 27209, 2795638, 2906197}, // 5
    {u"Centre", u"Orléans", 39151, 2371036, 2440329}, // 6
    {u"Champagne-Ardenne", u"Chalons en Champagne", 25606, 1347848, 1342363}, // 7
    {u"Corse", u"Ajaccio", 8680, 250371, 260196}, // 8
    {u"Franche-Comté", u"Besançon", 16202, 1097276, 1117059}, // 9
    {u"Ile de France", u"Paris", 12011, 10660554, 10952011}, // 10
    {u"Languedoc-Roussillon", u"Montpellier", 27376, 2114985, 2295648}, // 11
    {u"Limousin", u"Limoges", 16942, 722850, 710939}, // 12
    {u"Lorraine", u"Metz", 23542, 2305726, 2310376}, // 13
    {u"Midi-Pyrénées", u"Toulouse", 45348, 2430663, 2551687}, // 14
    {u"Nord-Pas de Calais", u"Lille", 12414, 3965058, 3996588}, // 15
    {u"Basse Normandie", u"Caen", 17589, 1391318, 1422193}, // 16
    {u"Haute Normandie", u"Rouen", 12318, 1737247, 1780192}, // 17
    {u"Pays de la Loire", u"Nantes", 32082, 3059112, 3222061}, // 18
    {u"Picardie", u"Amiens", 19399, 1810687, 1857481}, // 19
    {u"Poitou-Charentes", u"Poitiers", 25809, 1595109, 1640068}, // 20
    {u"Provence-Alpes-Côte d'Azur", u"Marseille", 31400, 4257907, 4506151}, // 21
    {u"Rhône-Alpes", u"Lyon", 43698, 5350701, 5645407}, // 22
};

QString areaText(long long km2) { return platform::GroupedNumber(km2, 6) + u" km\u00B2"_s; }
QString departementPopulationText(long long n) { return platform::GroupedNumber(n, 9) + u" hab"_s; }
QString regionPopulationText(long long n) { return platform::GroupedNumber(n, 10) + u" hab"_s; }

} // namespace

void RemplitTables()
{
    for (int r = 1; r <= 22; ++r) {
        const RegionRow& row = kRegions[r - 1];
        NomRegion[r] = QString::fromUtf16(row.nom);
        PrefRegion[r] = QString::fromUtf16(row.prefecture);
        SuperfRegion[r] = areaText(row.superficie);
        Pop90Region[r] = regionPopulationText(row.pop90);
        Pop99Region[r] = regionPopulationText(row.pop99);
    }
    for (int i = 1; i <= 96; ++i) {
        const DepartementRow& row = kDepartements[i - 1];
        NomDep[i] = QString::fromUtf16(row.nom);
        NumRegionDep[i] = row.region;
        RegionDep[i] = NomRegion[row.region];
        PrefDep[i] = QString::fromUtf16(row.prefecture);
        SuperfDep[i] = areaText(row.superficie);
        Pop90Dep[i] = departementPopulationText(row.pop90);
        Pop99Dep[i] = departementPopulationText(row.pop99);
    }
}

QString NumeroDep(int index)
{
    if (index == 20)
        return u"2B"_s;
    if (index == 96)
        return u"2A"_s;
    return QString::number(index);
}

double ValeurFigure(const QString& figure)
{
    return platform::Val(figure.left(figure.size() - 3));
}

QString ImageRegion(int r)
{
    static const char* const kImages[22] = {
        "Alsace.gif",    "Aquitaine.gif", "Auvergne.gif", "Bourgogne.gif", "Bretagne.gif",  "Centre.gif",
        "Champagne.gif", "Corse.gif",     "Franche.gif",  "Ile.gif",       "Languedoc.gif", "Limousin.gif",
        "Lorraine.gif",  "Midi.gif",      "Nord.gif",     "BasseN.gif",    "HauteN.gif",    "PaysLoire.gif",
        "Picardie.gif",  "Poitou.gif",    "Provence.gif", "Rhone.gif"};
    return r >= 1 && r <= 22 ? QString::fromLatin1(kImages[r - 1]) : QString();
}
