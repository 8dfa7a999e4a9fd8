#pragma once
// Asynchronous playing of a WAV file.
#include "platform/Seam.h"
#include <QString>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the file and returns at once. A missing or unplayable file,
    // or a machine without audio, plays nothing and reports nothing.
    virtual void play(const QString& path) = 0;
    static Sound& real();
};

// Sound files larger than this are not ours and are not played.
inline constexpr qint64 kMaxSoundFileSize = 8 * 1024 * 1024;
// True for a PCM WAV file whose chunks, its sound data above all, lie within
// the file; the player would allocate whatever a damaged header declares.
bool plausibleWave(const QString& path);

inline void PlaySound(const QString& path) { Seam<Sound>::current().play(path); }

} // namespace platform
