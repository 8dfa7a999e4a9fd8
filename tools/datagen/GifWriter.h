#pragma once
// GIF output over giflib (Qt reads GIF but does not write it).
#include <QImage>
#include <QString>

namespace datagen {

// The palette version of a colour picture: exact when it has at most 256 colours,
// otherwise the 256 most frequent ones, every other pixel taking the nearest.
QImage ToPalette(const QImage& rgb);

// Writes a palette picture (Format_Indexed8, at most 256 colours) as a GIF89a
// whose logical screen is the picture itself, so that no reader clips it.
// Throws std::runtime_error on failure.
void WriteGif(const QImage& indexed, const QString& path);

} // namespace datagen
