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

}  // namespace

extern "C" Q_DECL_EXPORT QObject* coinwellLoadChimes(const QStringList& paths)
{
    auto* chimes = new QObject;
    for (const QString& path : paths) {
        auto* effect = new QSoundEffect(chimes);
        if (isWholeWaveFile(path)) {
            effect->setSource(QUrl::fromLocalFile(path));
        }
    }
    return chimes;
}
