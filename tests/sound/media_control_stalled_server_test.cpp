// A sound server that takes the connection and then never answers: the sound
// system waits for it for half a minute, and none of that wait may reach the
// window's thread. A program of its own, as the sound system connects once
// per process.
#include "platform/sound/qt_media_control.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
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

constexpr int kNoHangMs = 2000;

TEST(MediaControlWithStalledServer, TheWindowsThreadNeverWaitsForTheServer)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const std::string socketPath = root.filePath(QStringLiteral("server")).toStdString();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(listener, 8), 0);
    ASSERT_TRUE(qputenv("PULSE_SERVER", QByteArray::fromStdString("unix:" + socketPath)));

    QtMediaControl control(QStringLiteral(COINWELL_TEST_DATA_DIR));
    control.SetFileName("pinpon.wav");
    const auto cue = [&control] {
        QElapsedTimer timer;
        timer.start();
        for (const char* command : {"Stop", "Close", "Open", "Sound"}) {
            control.SetCommand(command);
        }
        EXPECT_LT(timer.elapsed(), kNoHangMs) << "a cue waited for the sound server";
    };
    const auto turnEventLoop = [] {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        EXPECT_LT(pass.elapsed(), kNoHangMs) << "the window's event loop stalled";
    };

    // The window goes on until the sound thread reaches the server.
    cue();
    QElapsedTimer waiting;
    waiting.start();
    pollfd pending{listener, POLLIN, 0};
    while (::poll(&pending, 1, 50) != 1 && waiting.elapsed() < 20000) {
        turnEventLoop();
    }
    const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    ASSERT_GE(client, 0) << "the sound thread never contacted the server";

    // The sound thread now waits on the silent server; cues keep coming.
    cue();
    cue();
    for (int i = 0; i < 10; ++i) {
        turnEventLoop();
    }

    // Once the server hangs up, every cue given meanwhile is carried out.
    ::close(client);
    ::close(listener);
    const std::optional<QtMediaControl::State> state = control.WaitForState(10000);
    ASSERT_TRUE(state.has_value()) << "the sound thread stayed stuck after the server hung up";
    EXPECT_EQ(state->openFile, QDir::cleanPath(QStringLiteral(COINWELL_TEST_DATA_DIR "/pinpon.wav")));
    EXPECT_EQ(state->soundsStarted, 3);
}

}  // namespace
