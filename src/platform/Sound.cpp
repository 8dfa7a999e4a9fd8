#include "platform/Sound.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace platform {

namespace {

class QtSound final : public Sound {
public:
    void play(const QString& path) override
    {
        const QFileInfo info(path);
        if (!info.isFile())
            return;
        const QString key = info.absoluteFilePath();
        auto it = effects_.find(key);
        if (it == effects_.end()) {
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

private:
    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
};

} // namespace

Sound& Sound::real()
{
    static QtSound sound;
    return sound;
}

} // namespace platform
