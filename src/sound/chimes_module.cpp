// The chimes module, which alone links Qt Multimedia and the sound libraries
// it brings: the program loads it on its sound thread, so that it starts
// without them.
#include "sound/chimes.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QWaveDecoder>

namespace {

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

// The chimes' parent, which remembers the one chime asked to play while Qt
// still read its file.
class Chimes final : public QObject {
public:
    QSoundEffect* waiting = nullptr;

    // Plays effect if Qt has read it; passes it over if Qt cannot play it.
    // Qt 6.4 plays into a sink that goes nowhere when there is no sound
    // device; Qt 6.8 marks the chime Error instead, and would mark it
    // Null if asked to play.
    void playWhenRead(QSoundEffect* effect)
    {
        switch (effect->status()) {
        case QSoundEffect::Loading:
            waiting = effect;
            break;
        case QSoundEffect::Ready:
            waiting = nullptr;
            effect->play();
            break;
        case QSoundEffect::Null:
        case QSoundEffect::Error:
            waiting = nullptr;
            break;
        }
    }
};

}  // namespace

extern "C" Q_DECL_EXPORT QObject* coinwellMakeChimes(const QStringList& paths)
{
    auto* chimes = new Chimes;
    for (const QString& path : paths) {
        auto* effect = new QSoundEffect(chimes);
        QObject::connect(effect, &QSoundEffect::statusChanged, chimes, [chimes, effect] {
            if (chimes->waiting == effect) {
                chimes->playWhenRead(effect);
            }
        });
        if (isWholeWaveFile(path)) {
            effect->setSource(QUrl::fromLocalFile(path));
        }
    }
    return chimes;
}

extern "C" Q_DECL_EXPORT void coinwellPlayChime(QObject* chimes, int index)
{
    auto* const own = static_cast<Chimes*>(chimes);
    own->waiting = nullptr;
    // play() alone does not restart an effect that is still playing.
    const QList<QSoundEffect*> effects = own->findChildren<QSoundEffect*>(Qt::FindDirectChildrenOnly);
    for (QSoundEffect* effect : effects) {
        effect->stop();
    }
    own->playWhenRead(effects.at(index));
}
