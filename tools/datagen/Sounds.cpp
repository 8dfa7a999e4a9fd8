#include "Sounds.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace datagen {

namespace {

std::vector<double> Silence(double seconds)
{
    return std::vector<double>(size_t(std::lround(seconds * kSampleRate)), 0.0);
}

// Adds a partial: frequency, start, length, peak level, decay rate (1/s);
// a few milliseconds of attack and release avoid clicks.
void AddTone(std::vector<double>& out, double freq, double start, double length, double level, double decay,
             double endFreq = -1)
{
    if (endFreq < 0)
        endFreq = freq;
    const size_t first = size_t(std::lround(start * kSampleRate));
    const size_t n = size_t(std::lround(length * kSampleRate));
    double phase = 0;
    for (size_t k = 0; k < n && first + k < out.size(); ++k) {
        const double t = double(k) / kSampleRate;
        const double f = freq + (endFreq - freq) * (double(k) / n);
        phase += 2 * M_PI * f / kSampleRate;
        const double attack = std::min(1.0, t / 0.003);
        const double release = std::min(1.0, double(n - k) / (0.004 * kSampleRate));
        out[first + k] += level * attack * release * std::exp(-decay * t) * std::sin(phase);
    }
}

std::vector<int16_t> ToPcm(const std::vector<double>& v)
{
    std::vector<int16_t> pcm(v.size());
    std::transform(v.begin(), v.end(), pcm.begin(), [](double s) {
        return int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    });
    return pcm;
}

} // namespace

QByteArray WavFile(const std::vector<int16_t>& samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray wav;
    auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav += "RIFF";
    u32(36 + dataBytes);
    wav += "WAVEfmt ";
    u32(16);
    u16(1);                 // PCM
    u16(1);                 // mono
    u32(kSampleRate);
    u32(kSampleRate * 2);   // bytes per second
    u16(2);                 // block align
    u16(16);                // bits per sample
    wav += "data";
    u32(dataBytes);
    for (int16_t s : samples)
        u16(quint16(s));
    return wav;
}

std::vector<int16_t> Chime()
{
    std::vector<double> v = Silence(0.55);
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};  // C6 E6 G6 C7
    for (int i = 0; i < 4; ++i) {
        AddTone(v, notes[i], 0.07 * i, 0.55 - 0.07 * i, 0.30, 7.0);
        AddTone(v, notes[i] * 2, 0.07 * i, 0.25, 0.06, 14.0);  // a little shine
    }
    return ToPcm(v);
}

std::vector<int16_t> LowTone()
{
    std::vector<double> v = Silence(0.45);
    AddTone(v, 196.0, 0, 0.45, 0.45, 2.5, 174.6);
    AddTone(v, 392.0, 0, 0.45, 0.15, 4.0, 349.2);
    AddTone(v, 588.0, 0, 0.45, 0.07, 6.0, 523.8);
    return ToPcm(v);
}

std::vector<int16_t> Knock()
{
    std::vector<double> v = Silence(0.08);
    AddTone(v, 140.0, 0, 0.08, 0.7, 45.0, 90.0);
    AddTone(v, 310.0, 0, 0.05, 0.25, 80.0);
    // A touch of noise for the hit itself (a fixed generator: same file each run).
    quint32 seed = 12345;
    for (size_t k = 0; k < v.size() && k < size_t(0.012 * kSampleRate); ++k) {
        seed = seed * 1103515245u + 12345u;
        v[k] += 0.15 * (double((seed >> 16) & 0x7fff) / 16384.0 - 1.0) * (1.0 - double(k) / (0.012 * kSampleRate));
    }
    return ToPcm(v);
}

std::vector<int16_t> Tick()
{
    std::vector<double> v = Silence(0.05);
    AddTone(v, 2800.0, 0, 0.05, 0.55, 160.0);
    AddTone(v, 1200.0, 0, 0.04, 0.25, 120.0);
    return ToPcm(v);
}

std::vector<int16_t> Beep()
{
    std::vector<double> v = Silence(0.15);
    AddTone(v, 1760.0, 0, 0.15, 0.40, 0.0);
    return ToPcm(v);
}

std::vector<std::pair<QString, QByteArray>> SoundFiles()
{
    return {{QStringLiteral("Message.wav"), WavFile(Chime())},
            {QStringLiteral("Erreur.wav"), WavFile(LowTone())},
            {QStringLiteral("Faute.wav"), WavFile(Knock())},
            {QStringLiteral("clock.wav"), WavFile(Tick())},
            {QStringLiteral("beep.wav"), WavFile(Beep())}};
}

} // namespace datagen
