#include "sound/qt_cue_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLibrary>
#include <QMetaObject>
#include <QThread>

#include <deque>
#include <future>
#include <mutex>
#include <utility>

namespace coinwell {

namespace {

// How long the destructor waits for a sound thread that was never shut down.
constexpr std::chrono::milliseconds kDestructorWait{1000};

// A folder of the installed layout, found from the program's own bin/ folder.
QString besideProgram(const QString& subdir)
{
    if (QDir::isAbsolutePath(subdir)) {
        return QDir::cleanPath(subdir);
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + subdir);
}

// What plays when the chimes module cannot be loaded: nothing.
class SilentChimes final : public Chimes {
public:
    void play(Cue) override {}
    CueStates state() const override { return {}; }
};

// Runs on the sound thread. The module stays loaded until the process ends:
// Qt Multimedia keeps threads of its own.
std::unique_ptr<Chimes> loadChimes(const QString& dataFolder)
{
    QLibrary module(besideProgram(QStringLiteral(COINWELL_MODULE_SUBDIR)) + u'/' +
                    QStringLiteral(COINWELL_CHIMES_MODULE));
    if (const auto load = reinterpret_cast<LoadChimes>(module.resolve(kLoadChimesName))) {
        return std::unique_ptr<Chimes>(load(dataFolder));
    }
    return std::make_unique<SilentChimes>();
}

}  // namespace

// What the player and its sound thread share: the requests handed over, and
// on the sound thread the chimes they are for. Qt's PulseAudio output runs
// the thread's pending events from inside its destructor, so a request can
// arrive while another is still being carried out; they wait in this queue
// and run strictly one after another.
struct QtCuePlayer::Channel {
    using Request = std::function<void(Chimes&)>;  // an empty one ends the thread

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
                chimes.reset();
                ended = true;
                QThread::currentThread()->quit();
                continue;
            }
            if (!chimes) {
                chimes = loadChimes(folder);
            }
            (*request)(*chimes);
        }
        draining = false;
    }

    const QString folder;
    std::mutex mutex;
    std::deque<Request> queue;  // guarded by mutex
    // Sound thread only:
    bool draining = false;
    bool ended = false;
    std::unique_ptr<Chimes> chimes;
};

QtCuePlayer::QtCuePlayer(QString dataFolder)
    : channel_(std::make_shared<Channel>(dataFolder.isEmpty() ? besideProgram(QStringLiteral(COINWELL_DATA_SUBDIR))
                                                              : QDir::cleanPath(dataFolder)))
{
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
    post([cue](Chimes& chimes) { chimes.play(cue); });
}

void QtCuePlayer::readAhead()
{
    if (!finishing_ && thread_ == nullptr) {
        post([](Chimes&) {});
    }
}

bool QtCuePlayer::shutDown(std::chrono::milliseconds limit)
{
    if (thread_ == nullptr) {
        finishing_ = true;  // nothing was ever started, and nothing will be
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
    post([answer](Chimes& chimes) { answer->set_value(chimes.state()); });
    if (state.wait_for(limit) != std::future_status::ready) {
        return std::nullopt;
    }
    return state.get();
}

void QtCuePlayer::start() const
{
    thread_ = new QThread;
    inbox_ = new QObject;
    thread_->setObjectName(QStringLiteral("coinwell sound"));
    inbox_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, inbox_, &QObject::deleteLater);
    thread_->start();
}

// Hands a request to the sound thread, started if need be; requests run there
// in the order given.
void QtCuePlayer::post(std::function<void(Chimes&)> request) const
{
    if (thread_ == nullptr) {
        start();
    }
    channel_->put(std::move(request));
    QMetaObject::invokeMethod(inbox_, [channel = channel_] { channel->drain(); }, Qt::QueuedConnection);
}

}  // namespace coinwell
