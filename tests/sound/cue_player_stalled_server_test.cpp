// A sound server that takes the connection and then never answers: the sound
// library waits for it for half a minute, and none of that wait may reach the
// window's thread, nor keep the player from shutting down. A program of its
// own, as the sound system connects once per process; the end-to-end test
// ends the real program against such a server.
#include "sound/qt_cue_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using coinwell::Cue;
using namespace std::chrono_literals;

constexpr int kNoHangMs = 2000;

// Listens on a socket of its own and answers no one.
struct StalledServer {
    QTemporaryDir folder;
    QByteArray path = folder.filePath(QStringLiteral("server")).toUtf8();
    int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int client = -1;

    StalledServer()
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
        EXPECT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(::listen(listener, 8), 0);
    }
    ~StalledServer() { hangUp(); }

    QByteArray address() const { return "unix:" + path; }

    // True once a client has connected, within 20 s, keeping the event loop
    // turning meanwhile as the windows' thread does.
    bool waitForClient()
    {
        QElapsedTimer waiting;
        waiting.start();
        pollfd pending{listener, POLLIN, 0};
        while (::poll(&pending, 1, 50) != 1 && waiting.elapsed() < 20000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        return client >= 0;
    }

    void hangUp()
    {
        ::close(client);
        ::close(listener);
        client = listener = -1;
    }
};

TEST(CuePlayerWithStalledServer, NeitherPlayNorShutDownWaitsForTheServer)
{
    StalledServer server;
    ASSERT_TRUE(qputenv("PULSE_SERVER", server.address()));
    coinwell::QtCuePlayer player(QStringLiteral(COINWELL_TEST_DATA_DIR));
    player.play(Cue::Rising);
    ASSERT_TRUE(server.waitForClient()) << "the sound thread never contacted the server";
    ASSERT_FALSE(player.state(200ms).has_value()) << "the sound thread is not held up by the server";

    QElapsedTimer timer;
    timer.start();
    player.play(Cue::Falling);  // the sound thread is stuck; cues keep coming
    player.play(Cue::Rising);
    EXPECT_LT(timer.elapsed(), kNoHangMs) << "a cue waited for the sound server";
    EXPECT_FALSE(player.shutDown(500ms));
    EXPECT_LT(timer.elapsed(), kNoHangMs) << "shutDown waited for the stuck sound thread";

    server.hangUp();  // the sound thread is free to finish now
    EXPECT_TRUE(player.shutDown(10s));
}

}  // namespace
