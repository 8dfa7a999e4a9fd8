#pragma once
// Scrambling of the pixel-file fields, and the program's key.
#include <QByteArray>
#include <QString>
#include <cstdint>

// The fixed 6-digit key with which the pixel files are scrambled; the data-set
// generator and every reader share this one definition.
inline constexpr const char kCleValue[] = "274913";

// Application-wide key given to Crypte by every reader; set by the title window.
extern QString Cle;

// Work variables of Crypte, kept after each call.
extern int32_t PosCar;
extern int16_t CodeCar;
extern int16_t CodeCle;
extern QByteArray TexteCode;

// Character-wise exclusive or of text with key; character i (from 1) pairs with
// key character (i mod key length) + 1. Applying it twice restores the text.
// Works on single-byte character codes, as the pixel files store them.
QByteArray Crypte(const QByteArray& key, const QByteArray& text);
QByteArray Crypte(const QString& key, const QByteArray& text);
