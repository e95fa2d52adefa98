#pragma once

#include "sound/chimes.h"
#include "sound/cue_player.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QObject;
class QThread;

namespace coinwell {

// Plays the chimes in the program's data folder through Qt Multimedia, which
// also reads the wave files. All sound work happens on a sound thread the
// player keeps for itself: play() only hands the cue over and returns, so a
// slow or hung sound server never holds up the windows. A missing or
// unplayable file, or no sound device, is passed over without a word; the
// other cue still plays. Its functions are called from one thread, the
// windows' thread.
//
// Nothing of the sound system is loaded while the program starts: the sound
// thread starts, and loads the chimes module with Qt Multimedia and reads
// both chimes, at readAhead() or at the first cue, whichever comes first.
//
// A sound server that accepts the connection and then never answers keeps the
// sound thread stuck inside the sound library for as long as it stays silent,
// and the library's own teardown at process exit can then hang as well. So
// main() must not wait for it; after the event loop it ends like this:
//
//     const int status = QApplication::exec();
//     if (!player.shutDown(std::chrono::milliseconds(500))) {
//         std::fflush(nullptr);
//         std::_Exit(status);  // skips the teardown that would hang
//     }
//     return status;
class QtCuePlayer final : public CuePlayer {
public:
    // dataFolder holds pinpon.wav and endpinpon.wav; left empty, it is the
    // program's own share/coinwell beside its bin/ folder. The chimes module
    // is looked for in the program's lib/coinwell beside bin/. Needs the
    // QCoreApplication to exist already.
    explicit QtCuePlayer(QString dataFolder = QString());
    // Shuts down with a limit of 1 s if nobody has; after a shutDown that
    // gave up it waits no more.
    ~QtCuePlayer() override;

    QtCuePlayer(const QtCuePlayer&) = delete;
    QtCuePlayer& operator=(const QtCuePlayer&) = delete;

    void play(Cue cue) override;

    // Starts the sound thread, which loads the sound system and reads both
    // chimes so that the first cue starts at once. Does nothing once started
    // or shut down.
    void readAhead() override;

    // Stops the sound and asks the sound thread to finish, then waits for it
    // at most limit. True once it has finished. False if it is stuck: it is
    // then left running with everything it uses (never freed), and the
    // program must end as shown above. Calling it again waits again. No cue
    // plays after the first call. True at once if no cue was ever asked for.
    bool shutDown(std::chrono::milliseconds limit);

    // For diagnostics and tests: how each cue stands once the sound thread
    // has carried out every call made before this one (starting it if need
    // be). Empty if it did not answer within limit.
    using CueState = coinwell::CueState;
    using State = CueStates;  // indexed by Cue
    std::optional<State> state(std::chrono::milliseconds limit) const;

private:
    struct Channel;

    void start() const;
    void post(std::function<void(Chimes&)> request) const;

    std::shared_ptr<Channel> channel_;  // also held by each wake-up sent to thread_
    // Made at the first request; null again once it has finished.
    mutable QThread* thread_ = nullptr;
    mutable QObject* inbox_ = nullptr;  // lives on thread_: wakes it when a request is handed over
    bool finishing_ = false;
    bool gaveUp_ = false;
};

}  // namespace coinwell
