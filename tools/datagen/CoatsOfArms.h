#pragma once
// The pictures of the 22 régions: a stylised coat of arms for each, drawn
// here (shield, field and simple charges), on a light background.
#include <QImage>
#include <QString>

namespace datagen {

inline constexpr int kArmsWidth = 171;
inline constexpr int kArmsHeight = 114;

// File name of the picture of région 1..22 ("Alsace.gif" .. "Rhone.gif").
QString ArmsFileName(int region);

// The coat of arms of région 1..22, as a palette picture.
QImage CoatOfArms(int region);

} // namespace datagen
