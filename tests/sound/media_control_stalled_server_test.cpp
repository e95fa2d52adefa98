// A sound server that takes the connection and then never answers: the
// sound system waits for it for half a minute, and none of that wait may
// reach the window's thread. It gets a program of its own because the sound
// system connects once per process.
#include "platform/sound/qt_media_control.h"
#include "wave_builder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using coinwell::platform::QtMediaControl;
namespace wave = coinwell::sound_test;

constexpr int kNoHangMs = 2000;
// How long the sound thread may take to reach the server at all.
constexpr int kReachServerMs = 20000;

// Listens on a local socket, accepts and stays silent.
class SilentServer {
public:
    explicit SilentServer(const std::string& path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof(address.sun_path)) {
            return;
        }
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            ::listen(listener_, 8) != 0) {
            Close();
        }
    }
    ~SilentServer() { Close(); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool IsListening() const { return listener_ >= 0; }

    // Accepts a waiting client, if there is one within waitMs.
    bool AcceptWithin(int waitMs)
    {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, waitMs) != 1) {
            return false;
        }
        client_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        return client_ >= 0;
    }

    // Hangs up on the client and stops listening: the client's wait ends.
    void Close()
    {
        for (int* fd : {&client_, &listener_}) {
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
        }
    }

private:
    int listener_ = -1;
    int client_ = -1;
};

// The main window's cue; no step of it may wait.
void PlayCue(QtMediaControl& control, const std::string& fileName)
{
    const auto timed = [](const char* what, auto&& call) {
        QElapsedTimer timer;
        timer.start();
        call();
        EXPECT_LT(timer.elapsed(), kNoHangMs) << what << " hung";
    };
    timed("Stop", [&] { control.SetCommand("Stop"); });
    timed("Close", [&] { control.SetCommand("Close"); });
    timed("SetFileName", [&] { control.SetFileName(fileName); });
    timed("Open", [&] { control.SetCommand("Open"); });
    timed("Sound", [&] { control.SetCommand("Sound"); });
}

TEST(MediaControlWithStalledServer, TheWindowsThreadNeverWaitsForTheServer)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("data")));
    const wave::Bytes tone = wave::ShortTone();
    QFile file(root.filePath(QStringLiteral("data/pinpon.wav")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(reinterpret_cast<const char*>(tone.data()), static_cast<qint64>(tone.size())),
              static_cast<qint64>(tone.size()));
    file.close();

    const std::string socketPath = root.filePath(QStringLiteral("server")).toStdString();
    SilentServer server(socketPath);
    ASSERT_TRUE(server.IsListening()) << socketPath;
    ASSERT_TRUE(qputenv("PULSE_SERVER", QByteArray::fromStdString("unix:" + socketPath)));

    QtMediaControl control(root.filePath(QStringLiteral("data")));
    PlayCue(control, "pinpon.wav");

    // Keep the window's event loop turning until the sound thread reaches the
    // server; no single pass may stall.
    QElapsedTimer waiting;
    waiting.start();
    bool reached = false;
    while (!reached && waiting.elapsed() < kReachServerMs) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_LT(pass.elapsed(), kNoHangMs) << "the window's event loop stalled";
        reached = server.AcceptWithin(50);
    }
    ASSERT_TRUE(reached) << "the sound thread never contacted the server";

    // The sound thread is now waiting on the silent server; cues keep coming.
    PlayCue(control, "pinpon.wav");
    PlayCue(control, "pinpon.wav");
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_LT(pass.elapsed(), kNoHangMs) << "the window's event loop stalled";
    }

    // Once the server hangs up, every cue given meanwhile has been carried out.
    server.Close();
    const std::optional<QtMediaControl::State> state = control.WaitForState(10000);
    ASSERT_TRUE(state.has_value()) << "the sound thread stayed stuck after the server hung up";
    EXPECT_EQ(state->openFile, root.filePath(QStringLiteral("data/pinpon.wav")));
    EXPECT_EQ(state->soundsStarted, 3);
}

}  // namespace
