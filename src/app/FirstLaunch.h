#pragma once
// First launch: the pixel files are unpacked from the data archive when missing.
#include <QString>
#include <functional>

// Unpacks the archive into the folder; returns why it failed, in a sentence for the
// player, or the empty text on success.
using Decompresseur = std::function<QString(const QString& archive, const QString& folder)>;

// The three files whose presence stands for the whole unpacked data set.
bool DonneesPresentes();

// Runs the check of the hub's two main buttons: when a file is missing, tells
// the player, shows the hourglass, unpacks "Geomira.zip" into the application
// folder (aside first, then moved into place with the three files above last, so
// that an interrupted installation is done again at the next press) and restores
// the pointer. When the data could not be installed, a critical box says what
// went wrong and why, and false is returned; the caller goes on all the same,
// and its next press runs the check again.
bool PremierLancement();

// The unpacking used by PremierLancement; nullptr restores the archive component.
void setDecompresseur(Decompresseur unpack);
