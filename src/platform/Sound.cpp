#include "platform/Sound.h"

#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <canberra.h>

namespace platform {

namespace {

// The format of a sound the player can play: integer PCM, mono or stereo, 8 or
// 16 bits, at a rate sound hardware uses, its block size and byte rate agreeing
// with them (players divide by these). A field a short chunk lacks reads 0.
bool plausiblePcm(const QByteArray& format)
{
    auto field = [&](qsizetype at, qsizetype width) -> quint32 {
        if (format.size() < at + width)
            return 0;
        return width == 2 ? qFromLittleEndian<quint16>(format.constData() + at)
                          : qFromLittleEndian<quint32>(format.constData() + at);
    };
    const quint32 tag = field(0, 2), channels = field(2, 2), rate = field(4, 4), byteRate = field(8, 4),
                  blockAlign = field(12, 2), bits = field(14, 2);
    return tag == 1 && channels >= 1 && channels <= 2 && rate >= 8000 && rate <= 192000 && (bits == 8 || bits == 16)
        && blockAlign == channels * bits / 8 && byteRate == rate * blockAlign;
}

} // namespace

bool plausibleWave(const QString& path)
{
    const QByteArray data = readRegularFile(path, kMaxSoundFileSize);
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return false;
    // The player allocates what the header declares: every chunk must lie
    // within the file, the sound data above all.
    QByteArray format;
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + at + 4);
        if (size > static_cast<quint64>(data.size() - at - 8))
            return false;
        if (data.mid(at, 4) == "fmt ")
            format = data.mid(at + 8, size);
        else if (data.mid(at, 4) == "data")
            return plausiblePcm(format);
        at += 8 + size + (size & 1);
    }
    return false;
}

namespace {

// Event sounds through libcanberra's PulseAudio driver, streamed from their
// files. Its context lives within the application: opened at the first sound,
// destroyed before the application object goes, so that the audio thread and
// its server connection end while everything they use still exists.
class CanberraSound final : public Sound {
public:
    void play(const QString& path) override
    {
        if (!QCoreApplication::instance() || !plausibleWave(path) || !open())
            return;
        // A new sound cuts the one still playing, as a single sound channel does.
        ca_context_cancel(context_, kChannel);
        ca_context_play(context_, kChannel, CA_PROP_MEDIA_FILENAME,
                        QFile::encodeName(QFileInfo(path).absoluteFilePath()).constData(),
                        CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr);
    }

    void close()
    {
        if (context_)
            ca_context_destroy(context_);
        context_ = nullptr;
    }

private:
    static constexpr uint32_t kChannel = 1;

    bool open()
    {
        if (watching_ != QCoreApplication::instance()) {
            watching_ = QCoreApplication::instance();
            unavailable_ = false;
            QObject::connect(watching_, &QCoreApplication::aboutToQuit, watching_, &closeRealSound);
            // An application that ends without running its event loop.
            qAddPostRoutine(&closeRealSound);
        }
        if (context_ || unavailable_)
            return context_ != nullptr;
        // Without a sound server the program stays silent; it does not try again each time.
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        if (ca_context_create(&context_) != CA_SUCCESS || ca_context_set_driver(context_, "pulse") != CA_SUCCESS
            || ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, name.constData(), nullptr) != CA_SUCCESS
            || ca_context_open(context_) != CA_SUCCESS) {
            close();
            unavailable_ = true;
        }
        return context_ != nullptr;
    }
    static void closeRealSound();

    ca_context* context_ = nullptr;
    bool unavailable_ = false;
    QCoreApplication* watching_ = nullptr;
};

CanberraSound& realSound()
{
    static CanberraSound sound;
    return sound;
}

void CanberraSound::closeRealSound() { realSound().close(); }

} // namespace

Sound& Sound::real() { return realSound(); }

} // namespace platform
