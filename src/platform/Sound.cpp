#include "platform/Sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <memory>

namespace platform {

bool plausibleWave(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMaxSoundFileSize || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return false;
    // The player allocates what the header declares: every chunk must lie
    // within the file, the sound data above all.
    qsizetype at = 12;
    while (at + 8 <= data.size()) {
        const quint32 size = qFromLittleEndian<quint32>(data.constData() + at + 4);
        if (size > static_cast<quint64>(data.size() - at - 8))
            return false;
        if (data.mid(at, 4) == "data")
            return true;
        at += 8 + size + (size & 1);
    }
    return false;
}

namespace {

class QtSound final : public Sound {
public:
    void play(const QString& path) override
    {
        const QFileInfo info(path);
        const QString key = info.absoluteFilePath();
        auto it = effects_.find(key);
        if (it == effects_.end()) {
            if (!plausibleWave(key))
                return;
            releaseAtQuit();
            auto effect = std::make_shared<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(key));
            it = effects_.insert(key, effect);
        }
        QSoundEffect& effect = **it;
        if (effect.status() == QSoundEffect::Error)
            return;
        // A new sound cuts the one still playing, as a single sound channel does.
        for (auto& other : effects_) {
            if (other.get() != &effect && other->isPlaying())
                other->stop();
        }
        effect.stop();
        effect.play();
    }

    void releaseAll() { effects_.clear(); }

private:
    // The effects must go while the application still runs: destroyed after
    // it, they post events to a dead application and corrupt the heap.
    void releaseAtQuit()
    {
        if (watching_ == QCoreApplication::instance())
            return;
        watching_ = QCoreApplication::instance();
        QObject::connect(watching_, &QCoreApplication::aboutToQuit, watching_, [this] { releaseAll(); });
        // An application that ends without running its event loop.
        qAddPostRoutine(releaseRealSounds);
    }
    static void releaseRealSounds();

    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
    QCoreApplication* watching_ = nullptr;
};

QtSound& realSound()
{
    static QtSound sound;
    return sound;
}

void QtSound::releaseRealSounds() { realSound().releaseAll(); }

} // namespace

Sound& Sound::real() { return realSound(); }

} // namespace platform
