#pragma once
// The scrambled pixel files of the maps: one 13-byte record per map pixel,
// three fixed-width fields (x: 5, y: 5, département: 3), each scrambled on its
// own with Crypte and the key Cle.
#include <QByteArray>
#include <QString>
#include <vector>

struct PointCarte {
    int x = 0;            // pixel column from the map's left edge
    int y = 0;            // pixel row from the map's top edge
    int departement = 0;  // département index 1..96 (when read)
    bool valide = true;   // every field read is a whole number
};

inline constexpr int kTaillePointCarte = 13;
// Every pixel of the 449 x 483 map in one file would take 2.8 MB: a larger
// file is not a pixel file of ours and reads as a missing one.
inline constexpr qint64 kTailleMaxFichierPixels = 4 * 1024 * 1024;

// Path of a pixel file of the application folder: famille 'D', 'R' or 'F' and its number ("D50.dat").
QString FichierPixels(char famille, int numero);

// Reads every whole record of the file, in file order; a trailing part-record
// is ignored. A missing or unreadable file, or anything but a regular file
// of at most kTailleMaxFichierPixels bytes, gives no record and is never
// created. The département field is unscrambled only when asked for.
std::vector<PointCarte> LitPointsCarte(const QString& path, bool avecDepartement);

// One field: unscrambled with Cle, laid back into its fixed width, read as a number.
int ChampPointCarte(const QByteArray& champ, int largeur, bool* estNombre = nullptr);

// Scrambles one record (for the data-set generator and test files).
QByteArray EcritPointCarte(int x, int y, int departement);
