#include "platform/Sound.h"

#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

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

// How long quitting waits for the sound thread: against a server that stopped
// answering, a libpulse call waits half a minute.
constexpr auto kQuitWait = std::chrono::seconds(2);

// What the window's thread and the sound thread share; the sound thread keeps
// its own reference, so that the channel outlives the program's objects if need be.
struct Channel {
    std::mutex mutex;
    std::condition_variable changed;
    // The sound to start next. A sound still waiting when another comes would
    // be cut as it starts: only the newest waits.
    std::string next;
    bool stopping = false;
    bool ended = false;
};

bool openContext(ca_context*& context, const std::string& applicationName)
{
    if (ca_context_create(&context) == CA_SUCCESS && ca_context_set_driver(context, "pulse") == CA_SUCCESS
        && ca_context_change_props(context, CA_PROP_APPLICATION_NAME, applicationName.c_str(), nullptr) == CA_SUCCESS
        && ca_context_open(context) == CA_SUCCESS)
        return true;
    if (context)
        ca_context_destroy(context);
    context = nullptr;
    return false;
}

// The sound thread: every libcanberra call is made here, since any of them may
// wait on the sound server. Without a server it stays silent and does not try
// again. A new sound cuts the one still playing, as a single sound channel
// does; the cancel names the sound it cuts, never the new one.
void serve(std::shared_ptr<Channel> channel, std::string applicationName)
{
    ca_context* context = nullptr;
    bool unavailable = false;
    uint32_t id = 0;
    std::unique_lock lock(channel->mutex);
    for (;;) {
        channel->changed.wait(lock, [&] { return channel->stopping || !channel->next.empty(); });
        if (channel->stopping)
            break;
        const std::string file = std::exchange(channel->next, {});
        lock.unlock();
        if (!context && !unavailable)
            unavailable = !openContext(context, applicationName);
        if (context) {
            if (id != 0)
                ca_context_cancel(context, id);
            ca_context_play(context, ++id, CA_PROP_MEDIA_FILENAME, file.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL,
                            "never", nullptr);
        }
        lock.lock();
    }
    lock.unlock();
    if (context)
        ca_context_destroy(context);
    lock.lock();
    channel->ended = true;
    channel->changed.notify_all();
}

// Event sounds through libcanberra's PulseAudio driver, streamed from their
// files by a thread of their own, so that no sound ever holds up the windows.
// The thread lives within the application: started at the first sound, ended
// with its server connection before the application object goes.
class CanberraSound final : public Sound {
public:
    ~CanberraSound() override
    {
        if (thread_.joinable())
            thread_.detach();
    }

    void play(const QString& path) override
    {
        if (!QCoreApplication::instance() || !plausibleWave(path))
            return;
        start();
        {
            std::lock_guard lock(channel_->mutex);
            channel_->next = QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
        }
        channel_->changed.notify_all();
    }

    void close()
    {
        if (!thread_.joinable())
            return;
        std::unique_lock lock(channel_->mutex);
        channel_->stopping = true;
        channel_->changed.notify_all();
        const bool ended = channel_->changed.wait_for(lock, kQuitWait, [&] { return channel_->ended; });
        lock.unlock();
        // A thread still waiting on the server is left to end by itself once
        // libpulse gives up, or with the process: it touches nothing but its
        // channel and its own libcanberra context.
        if (ended)
            thread_.join();
        else
            thread_.detach();
        channel_.reset();
    }

private:
    void start()
    {
        if (watching_ != QCoreApplication::instance()) {
            watching_ = QCoreApplication::instance();
            QObject::connect(watching_, &QCoreApplication::aboutToQuit, watching_, &closeRealSound);
            // An application that ends without running its event loop.
            qAddPostRoutine(&closeRealSound);
        }
        if (!thread_.joinable()) {
            channel_ = std::make_shared<Channel>();
            thread_ = std::thread(serve, channel_, QCoreApplication::applicationName().toStdString());
        }
    }
    static void closeRealSound();

    std::shared_ptr<Channel> channel_;
    std::thread thread_;
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
