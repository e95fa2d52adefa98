#include "platform/sound/qt_media_control.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMetaObject>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace coinwell::platform {

namespace {

// The cues are short chimes; anything far larger is not one of them.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

QString DefaultDataFolder()
{
    if (QCoreApplication::instance() == nullptr) {
        return QString();  // nothing to find the program's folder from
    }
    const QString subdir = QStringLiteral(COINWELL_DATA_SUBDIR);
    if (QDir::isAbsolutePath(subdir)) {
        return QDir::cleanPath(subdir);
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../") + subdir);
}

// A bare file name only: anything that could name a file outside the data
// folder is refused.
bool IsBareFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QStringLiteral("..")) && !name.contains(QChar(u'\0')) && !QDir::isAbsolutePath(name);
}

quint32 Le(const QByteArray& bytes, qsizetype at, int byteCount)
{
    return byteCount == 2 ? qFromLittleEndian<quint16>(bytes.constData() + at)
                          : qFromLittleEndian<quint32>(bytes.constData() + at);
}

// A wave file read into memory: its sample format and its whole frames.
struct Wave {
    QAudioFormat format;
    QByteArray frames;
};

std::optional<QAudioFormat> FormatOf(const QByteArray& bytes, qsizetype at)
{
    constexpr quint32 kPcm = 1;
    constexpr quint32 kFloat = 3;
    const quint32 tag = Le(bytes, at, 2);
    const quint32 channels = Le(bytes, at + 2, 2);
    const quint32 rate = Le(bytes, at + 4, 4);
    const quint32 blockAlign = Le(bytes, at + 12, 2);
    const quint32 bits = Le(bytes, at + 14, 2);

    QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
    if (tag == kPcm && bits == 8) {
        sampleFormat = QAudioFormat::UInt8;
    } else if (tag == kPcm && bits == 16) {
        sampleFormat = QAudioFormat::Int16;
    } else if (tag == kPcm && bits == 32) {
        sampleFormat = QAudioFormat::Int32;
    } else if (tag == kFloat && bits == 32) {
        sampleFormat = QAudioFormat::Float;
    }
    if (sampleFormat == QAudioFormat::Unknown || channels == 0 || channels > 8 || rate < 1000 || rate > 384000 ||
        blockAlign != channels * bits / 8) {
        return std::nullopt;
    }
    QAudioFormat format;
    format.setSampleFormat(sampleFormat);
    format.setChannelCount(static_cast<int>(channels));
    format.setSampleRate(static_cast<int>(rate));
    return format;
}

// Walks the RIFF chunks for the format and the sound data. Anything else -
// a text file, a cut-off header, a compressed format, no samples at all -
// is not playable. Sound data cut short is played as far as it goes.
std::optional<Wave> ParseWave(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<QAudioFormat> format;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = Le(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        const qsizetype present = std::min(size, bytes.size() - body);
        if (id == "fmt ") {
            if (present < 16) {
                return std::nullopt;
            }
            format = FormatOf(bytes, body);
            if (!format) {
                return std::nullopt;
            }
        } else if (id == "data") {
            if (!format) {
                return std::nullopt;
            }
            const qsizetype frameBytes = format->bytesPerFrame();
            const qsizetype whole = present / frameBytes * frameBytes;
            if (whole == 0) {
                return std::nullopt;
            }
            return Wave{*format, bytes.mid(body, whole)};
        }
        at = body + size + (size & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

std::optional<Wave> ReadWaveFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return ParseWave(file.readAll());
}

}  // namespace

// The sound side of the control: the open file and the output playing it.
// Used and destroyed on the sound thread only; its Qt objects are made there.
class QtMediaControl::Player final {
public:
    ~Player() { Stop(); }

    void Stop()
    {
        if (sink_) {
            sink_->stop();
            sink_.reset();
        }
        source_.reset();
    }

    void Close()
    {
        Stop();
        wave_.reset();
        openFile_.clear();
    }

    // One file is open at a time: opening releases what was open, even when
    // the new file turns out not to be playable.
    void Open(const QString& path)
    {
        Close();
        if (path.isEmpty()) {
            return;
        }
        wave_ = ReadWaveFile(path);
        if (wave_) {
            openFile_ = path;
        }
    }

    // Plays the open file from its start, cutting off whatever still plays.
    // With no sound device there is nothing to play it on, and that is all.
    // A finished sound leaves its output open and idle until the next
    // command: stopping it at once would cut off the end it still holds.
    void Sound()
    {
        if (!wave_) {
            return;
        }
        Stop();
        ++soundsStarted_;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(wave_->format)) {
            return;
        }
        source_ = std::make_unique<QBuffer>();
        source_->setData(wave_->frames);
        if (!source_->open(QIODevice::ReadOnly)) {
            return;
        }
        sink_ = std::make_unique<QAudioSink>(device, wave_->format);
        sink_->start(source_.get());
    }

    State Snapshot() const { return State{openFile_, soundsStarted_}; }

private:
    std::optional<Wave> wave_;
    QString openFile_;
    std::unique_ptr<QBuffer> source_;  // what sink_ reads; made on this thread
    std::unique_ptr<QAudioSink> sink_;
    int soundsStarted_ = 0;
};

// What the control and its sound thread share: the work handed over and the
// player it is for. Qt's PulseAudio output runs the thread's waiting events
// from inside its own destructor, so commands can arrive while another is
// still being carried out; they wait in this queue and run strictly one
// after another.
struct QtMediaControl::SoundSide {
    // An empty work item ends the sound thread.
    using Work = std::function<void(Player&)>;

    void Put(Work work)
    {
        const std::lock_guard lock(mutex);
        queue.push_back(std::move(work));
    }

    std::optional<Work> Take()
    {
        const std::lock_guard lock(mutex);
        if (queue.empty()) {
            return std::nullopt;
        }
        Work work = std::move(queue.front());
        queue.pop_front();
        return work;
    }

    // Runs on the sound thread: carries out everything waiting, in order.
    void Drain()
    {
        if (draining) {
            return;  // reached from inside a command; the outer call goes on
        }
        draining = true;
        while (std::optional<Work> work = Take()) {
            if (!player) {
                continue;  // the thread is ending; nothing is left to play
            }
            if (!*work) {
                player.reset();
                // Qt Multimedia leaves part of its tidying up to deleteLater;
                // have it done while this thread still runs, or it never is.
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QThread::currentThread()->quit();
                break;
            }
            (*work)(*player);
        }
        draining = false;
    }

    std::mutex mutex;
    std::deque<Work> queue;  // guarded by mutex
    // Sound thread only:
    bool draining = false;
    std::unique_ptr<Player> player = std::make_unique<Player>();
};

QtMediaControl::QtMediaControl(QString dataFolder)
    : dataFolder_(dataFolder.isEmpty() ? DefaultDataFolder() : QDir::cleanPath(dataFolder)),
      side_(std::make_shared<SoundSide>()),
      thread_(new QThread),
      inbox_(new QObject)
{
    thread_->setObjectName(QStringLiteral("coinwell sound"));
    inbox_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, inbox_, &QObject::deleteLater);
    thread_->start();
}

QtMediaControl::~QtMediaControl()
{
    // Queued behind the commands already given, so those are carried out
    // first. This takes milliseconds; only a sound server that accepted the
    // connection and then went silent holds it up, until the sound library
    // gives up on it (30 s). Leaving that thread running would not help: the
    // program's exit then waits on the same sound library all the same.
    Post(SoundSide::Work());
    thread_->wait();
    delete thread_;
}

void QtMediaControl::SetFileName(const std::string& fileName)
{
    fileName_ = QString::fromStdString(fileName);
}

void QtMediaControl::SetCommand(const std::string& command)
{
    if (command == "Stop") {
        Post([](Player& player) { player.Stop(); });
    } else if (command == "Close") {
        Post([](Player& player) { player.Close(); });
    } else if (command == "Open") {
        Post([path = ResolveFileName()](Player& player) { player.Open(path); });
    } else if (command == "Sound") {
        Post([](Player& player) { player.Sound(); });
    }
    // Any other command means nothing to this control.
}

std::optional<QtMediaControl::State> QtMediaControl::WaitForState(int timeoutMs) const
{
    // Shared with the sound thread, which may answer after this has given up.
    auto answer = std::make_shared<std::promise<State>>();
    std::future<State> state = answer->get_future();
    Post([answer](Player& player) { answer->set_value(player.Snapshot()); });
    if (state.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready) {
        return std::nullopt;
    }
    return state.get();
}

// Hands work to the sound thread; it runs there in the order given.
void QtMediaControl::Post(std::function<void(Player&)> work) const
{
    side_->Put(std::move(work));
    QMetaObject::invokeMethod(inbox_, [side = side_] { side->Drain(); }, Qt::QueuedConnection);
}

// The full path of the stored file name inside the data folder, or empty if
// the name is not a bare file name.
QString QtMediaControl::ResolveFileName() const
{
    if (dataFolder_.isEmpty() || !IsBareFileName(fileName_)) {
        return QString();
    }
    return QDir(dataFolder_).filePath(fileName_);
}

}  // namespace coinwell::platform
