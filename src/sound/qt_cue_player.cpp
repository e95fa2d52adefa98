#include "sound/qt_cue_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QWaveDecoder>

#include <cstddef>
#include <deque>
#include <future>
#include <mutex>
#include <utility>

namespace coinwell {

namespace {

constexpr std::array<const char*, 2> kFileNames = {"pinpon.wav", "endpinpon.wav"};  // indexed by Cue

// How long the destructor waits for a sound thread that was never shut down.
constexpr std::chrono::milliseconds kDestructorWait{1000};

std::size_t indexOf(Cue cue)
{
    return static_cast<std::size_t>(cue);
}

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

QString defaultDataFolder()
{
    const QString subdir = QStringLiteral(COINWELL_DATA_SUBDIR);
    if (QDir::isAbsolutePath(subdir)) {
        return QDir::cleanPath(subdir);
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + subdir);
}

}  // namespace

// Both chimes, read ahead so that a cue starts at once. Made, used and
// destroyed on the sound thread only: making them is what first connects to
// the sound server, which is where a hung server holds the thread up.
class QtCuePlayer::Sounds {
public:
    explicit Sounds(const QString& folder)
    {
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            const QString path = QDir(folder).filePath(QLatin1String(kFileNames[i]));
            if (isWholeWaveFile(path)) {
                effects_[i].setSource(QUrl::fromLocalFile(path));
            }
        }
    }

    void play(Cue cue)
    {
        // play() alone does not restart an effect that is still playing.
        for (QSoundEffect& effect : effects_) {
            effect.stop();
        }
        effects_[indexOf(cue)].play();
    }

    State state() const
    {
        State state;
        for (std::size_t i = 0; i < effects_.size(); ++i) {
            state[i] = CueState{effects_[i].status() == QSoundEffect::Ready, effects_[i].isPlaying()};
        }
        return state;
    }

private:
    std::array<QSoundEffect, 2> effects_;
};

// What the player and its sound thread share: the requests handed over, and
// on the sound thread the sounds they are for. Qt's PulseAudio output runs
// the thread's pending events from inside its destructor, so a request can
// arrive while another is still being carried out; they wait in this queue
// and run strictly one after another.
struct QtCuePlayer::Channel {
    using Request = std::function<void(Sounds&)>;  // an empty one ends the thread

    explicit Channel(QString folder) : folder(std::move(folder)) {}

    void put(Request request)
    {
        const std::lock_guard lock(mutex);
        queue.push_back(std::move(request));
    }

    std::optional<Request> take()
    {
        const std::lock_guard lock(mutex);
        if (queue.empty()) {
            return std::nullopt;
        }
        Request request = std::move(queue.front());
        queue.pop_front();
        return request;
    }

    // Runs on the sound thread: carries out everything waiting, in order.
    void drain()
    {
        if (draining) {
            return;  // reached from inside a request; the outer call goes on
        }
        draining = true;
        while (std::optional<Request> request = take()) {
            if (ended) {
                continue;
            }
            if (!*request) {
                sounds.reset();
                ended = true;
                QThread::currentThread()->quit();
                continue;
            }
            if (!sounds) {
                sounds = std::make_unique<Sounds>(folder);
            }
            (*request)(*sounds);
        }
        draining = false;
    }

    const QString folder;
    std::mutex mutex;
    std::deque<Request> queue;  // guarded by mutex
    // Sound thread only:
    bool draining = false;
    bool ended = false;
    std::unique_ptr<Sounds> sounds;
};

QtCuePlayer::QtCuePlayer(QString dataFolder)
    : channel_(std::make_shared<Channel>(dataFolder.isEmpty() ? defaultDataFolder() : QDir::cleanPath(dataFolder))),
      thread_(new QThread),
      inbox_(new QObject)
{
    thread_->setObjectName(QStringLiteral("coinwell sound"));
    inbox_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, inbox_, &QObject::deleteLater);
    thread_->start();
    post([](Sounds&) {});  // reads the chimes ahead of the first cue
}

QtCuePlayer::~QtCuePlayer()
{
    if (!gaveUp_) {
        shutDown(kDestructorWait);
    }
    // A thread still running keeps thread_, inbox_ and its share of channel_:
    // Qt ends the program if a running QThread is destroyed.
}

void QtCuePlayer::play(Cue cue)
{
    if (finishing_) {
        return;
    }
    post([cue](Sounds& sounds) { sounds.play(cue); });
}

bool QtCuePlayer::shutDown(std::chrono::milliseconds limit)
{
    if (thread_ == nullptr) {
        return true;
    }
    if (!finishing_) {
        finishing_ = true;
        post(Channel::Request());
    }
    if (!thread_->wait(QDeadlineTimer(limit))) {
        gaveUp_ = true;
        return false;
    }
    delete thread_;  // inbox_ went with the thread's last events
    thread_ = nullptr;
    inbox_ = nullptr;
    return true;
}

std::optional<QtCuePlayer::State> QtCuePlayer::state(std::chrono::milliseconds limit) const
{
    if (finishing_) {
        return std::nullopt;
    }
    // Shared with the sound thread, which may answer after this has given up.
    auto answer = std::make_shared<std::promise<State>>();
    std::future<State> state = answer->get_future();
    post([answer](Sounds& sounds) { answer->set_value(sounds.state()); });
    if (state.wait_for(limit) != std::future_status::ready) {
        return std::nullopt;
    }
    return state.get();
}

// Hands a request to the sound thread; requests run there in the order given.
void QtCuePlayer::post(std::function<void(Sounds&)> request) const
{
    channel_->put(std::move(request));
    QMetaObject::invokeMethod(inbox_, [channel = channel_] { channel->drain(); }, Qt::QueuedConnection);
}

}  // namespace coinwell
