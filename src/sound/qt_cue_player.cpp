#include "sound/qt_cue_player.h"

#include "sound/chimes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLibrary>
#include <QMetaObject>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace coinwell {

namespace {

// How long the end of the program waits for the sound thread.
constexpr std::chrono::milliseconds kEndWait{500};

// A folder of the installed layout, found from the program's own bin/ folder.
QString besideProgram(const QString& subdir)
{
    if (QDir::isAbsolutePath(subdir)) {
        return QDir::cleanPath(subdir);
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + subdir);
}

}  // namespace

QtCuePlayer::QtCuePlayer(QString dataFolder)
    : folder_(dataFolder.isEmpty() ? besideProgram(QStringLiteral(COINWELL_DATA_SUBDIR)) : dataFolder),
      inbox_(new QObject)
{
    thread_.setObjectName(QStringLiteral("coinwell sound"));
    inbox_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, inbox_, &QObject::deleteLater);
}

QtCuePlayer::~QtCuePlayer()
{
    stop(QDeadlineTimer::Forever);
}

void QtCuePlayer::play(Cue cue)
{
    send([this, cue] {
        if (QObject* effects = chimes()) {
            playChime_(effects, static_cast<int>(cue));
        }
    });
}

void QtCuePlayer::readAhead()
{
    send([this] { chimes(); });
}

int QtCuePlayer::end(int status)
{
    if (!stop(QDeadlineTimer(kEndWait))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

void QtCuePlayer::inspect(const std::function<void(const QObject*)>& look)
{
    send([this, &look] { look(chimes()); }, Qt::BlockingQueuedConnection);
}

// Requests run one after another, never one inside another: Qt's PulseAudio
// output does run the thread's pending events from its destructor, but Qt
// deletes it with deleteLater(), between two events.
void QtCuePlayer::send(std::function<void()> request, Qt::ConnectionType type)
{
    if (!ended_) {
        thread_.start();  // does nothing once it runs
        QMetaObject::invokeMethod(inbox_, std::move(request), type);
    }
}

bool QtCuePlayer::stop(QDeadlineTimer deadline)
{
    if (!ended_) {
        // The chimes go while the thread still runs its events: Qt Multimedia
        // hands the last of their parts to it with deleteLater().
        send([this] {
            delete chimes_;
            chimes_ = nullptr;
            thread_.quit();
        });
        ended_ = true;
    }
    return thread_.wait(deadline);
}

QObject* QtCuePlayer::chimes()
{
    if (!std::exchange(loaded_, true)) {
        // The module stays loaded until the process ends: Qt Multimedia keeps
        // threads of its own.
        QLibrary module(besideProgram(QStringLiteral(COINWELL_MODULE_SUBDIR)) + u'/' +
                        QStringLiteral(COINWELL_CHIMES_MODULE));
        const auto load = reinterpret_cast<decltype(&coinwellMakeChimes)>(module.resolve("coinwellMakeChimes"));
        playChime_ = reinterpret_cast<decltype(&coinwellPlayChime)>(module.resolve("coinwellPlayChime"));
        if (load != nullptr && playChime_ != nullptr) {
            const QDir folder(folder_);
            chimes_ = load({folder.filePath(QStringLiteral("pinpon.wav")), folder.filePath(QStringLiteral("endpinpon.wav"))});
        }
    }
    return chimes_;
}

}  // namespace coinwell
