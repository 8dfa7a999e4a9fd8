#pragma once
// The program's sounds, synthesised: 16-bit mono PCM WAV at 22 050 Hz.
#include <QByteArray>
#include <QString>
#include <vector>

namespace datagen {

inline constexpr int kSampleRate = 22050;

// A whole WAV file (RIFF header, "fmt " and "data" chunks) of the samples.
QByteArray WavFile(const std::vector<int16_t>& samples);

std::vector<int16_t> Chime();  // right answer: a short bright rising chime
std::vector<int16_t> LowTone(); // wrong answer: a short low tone
std::vector<int16_t> Knock();  // refused input: a very short dull knock
std::vector<int16_t> Tick();   // countdown tick
std::vector<int16_t> Beep();   // last seconds of the countdown: a short high beep

// File name and contents of every sound of the application folder.
std::vector<std::pair<QString, QByteArray>> SoundFiles();

} // namespace datagen
