#pragma once
// The window designs name the classic Windows fonts; each is mapped once, at
// start-up, to a free font installed with the program (metric-compatible where
// one exists) so that the twips layouts hold.
#include <QFont>
#include <QString>

namespace platform {

void installFontSubstitutions();

// A font of the given design name and point size.
QFont designFont(const QString& family, double pointSize, bool bold = false, bool italic = false, bool underline = false);

} // namespace platform
