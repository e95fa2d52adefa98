#pragma once

#include "sound/cue_player.h"

#include <QDeadlineTimer>
#include <QString>
#include <QThread>

#include <functional>

namespace coinwell {

// Plays pinpon.wav and endpinpon.wav through Qt Multimedia on a sound thread
// of its own: play() only queues the cue there and returns, so a slow or
// frozen sound server never holds up the windows. A missing or unplayable
// file, or no sound device, is passed over without a word; the other cue
// still plays. Its functions are called from the windows' thread.
//
// Nothing of the sound system is loaded while the program starts: the sound
// thread starts, loads the chimes module (libcoinwell_chimes, which alone
// links Qt Multimedia) and reads both chimes at readAhead() or at the first
// cue, whichever comes first.
class QtCuePlayer final : public CuePlayer {
public:
    // dataFolder holds the chimes; left empty, it is the program's own
    // share/coinwell beside its bin/ folder. The module is looked for in
    // lib/coinwell beside bin/. Needs the QCoreApplication to exist already.
    explicit QtCuePlayer(QString dataFolder = QString());
    // Ends the sound thread if end() has not, waiting as long as it takes.
    ~QtCuePlayer() override;

    QtCuePlayer(const QtCuePlayer&) = delete;
    QtCuePlayer& operator=(const QtCuePlayer&) = delete;

    void play(Cue cue) override;
    void readAhead() override;

    // The program's last call before it returns status from main(): stops
    // the sound, ends the sound thread and returns status. A sound server
    // that accepted the connection and then fell silent can hold the thread
    // inside the sound library for good, and the library's teardown at exit
    // as well; if the thread has not ended within half a second, this ends
    // the process at once with status instead, skipping that teardown. No
    // cue plays after it.
    int end(int status);

    // For tests: calls look on the sound thread with the object whose
    // children are the two QSoundEffects, indexed by Cue (null if the module
    // could not be loaded), once every call made before this one has been
    // carried out there. Waits for it.
    void inspect(const std::function<void(const QObject* chimes)>& look);

private:
    // Runs request on the sound thread, after those sent before; nothing once ended.
    void send(std::function<void()> request, Qt::ConnectionType type = Qt::QueuedConnection);
    bool stop(QDeadlineTimer deadline);  // ends the sound thread; true once it has
    QObject* chimes();                   // sound thread only: loads the module at the first call

    const QString folder_;
    QThread thread_;
    QObject* inbox_;  // lives on thread_, deleted there as it finishes
    bool ended_ = false;
    // Sound thread only:
    bool loaded_ = false;
    QObject* chimes_ = nullptr;
    void (*playChime_)(QObject*, int) = nullptr;  // the module's coinwellPlayChime
};

}  // namespace coinwell
