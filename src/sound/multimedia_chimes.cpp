// The chimes module: both cues through Qt Multimedia, which also reads the
// wave files. Loaded by QtCuePlayer on its sound thread.
#include "sound/chimes.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QWaveDecoder>

#include <cstddef>
#include <type_traits>

namespace coinwell {
namespace {

constexpr std::array<const char*, 2> kFileNames = {"pinpon.wav", "endpinpon.wav"};  // indexed by Cue

// A sound effect never finishes reading a wave file that ends early, and
// while any file is still being read Qt Multimedia lets go of no sound in the
// whole process: the sound thread would stall for good when it finishes. So
// such a file is left out, after a look at it with Qt's own decoder.
bool isWholeWaveFile(const QString& path)
{
    QFile file(path);
    QWaveDecoder wave(&file);
    return file.open(QIODevice::ReadOnly) && wave.open(QIODevice::ReadOnly) && wave.audioFormat().isValid() &&
           wave.bytesAvailable() >= wave.size();
}

class MultimediaChimes final : public Chimes {
public:
    explicit MultimediaChimes(const QString& folder)
    {
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            const QString path = QDir(folder).filePath(QLatin1String(kFileNames[i]));
            if (isWholeWaveFile(path)) {
                effects_[i].setSource(QUrl::fromLocalFile(path));
            }
        }
    }

    void play(Cue cue) override
    {
        // play() alone does not restart an effect that is still playing.
        for (QSoundEffect& effect : effects_) {
            effect.stop();
        }
        effects_[static_cast<std::size_t>(cue)].play();
    }

    CueStates state() const override
    {
        CueStates state;
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            state[i] = CueState{effects_[i].status() == QSoundEffect::Ready, effects_[i].isPlaying()};
        }
        return state;
    }

private:
    std::array<QSoundEffect, 2> effects_;
};

}  // namespace
}  // namespace coinwell

extern "C" Q_DECL_EXPORT coinwell::Chimes* coinwellLoadChimes(const QString& folder)
{
    return new coinwell::MultimediaChimes(folder);
}
static_assert(std::is_same_v<decltype(&coinwellLoadChimes), coinwell::LoadChimes>);
