// A sound server that takes the connection and then never answers: the sound
// library waits for it for half a minute, and none of that wait may reach the
// window's thread, nor keep the program from ending. A program of its own, as
// the sound system connects once per process.
#include "sound/qt_cue_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using coinwell::Cue;
using coinwell::QtCuePlayer;
using namespace std::chrono_literals;

constexpr int kNoHangMs = 2000;

void expectQuick(const QElapsedTimer& timer, const char* what)
{
    EXPECT_LT(timer.elapsed(), kNoHangMs) << what;
}

// Keeps the event loop of the test's own thread turning, as the windows'
// thread does, and checks that no pass of it stalls.
void turnEventLoop()
{
    QElapsedTimer pass;
    pass.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    expectQuick(pass, "the window's event loop stalled");
}

// Listens on a socket of its own and answers no one.
struct StalledServer {
    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("server")).toStdString();
    int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int client = -1;

    ~StalledServer() { hangUp(); }

    bool listen()
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (!folder.isValid() || path.size() >= sizeof(address.sun_path)) {
            return false;
        }
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        return ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
               ::listen(listener, 8) == 0;
    }

    QByteArray address() const { return QByteArray::fromStdString("unix:" + path); }

    // True once a client has connected, within about 20 s; it now waits for
    // an answer that never comes.
    bool waitForClient()
    {
        QElapsedTimer waiting;
        waiting.start();
        pollfd pending{listener, POLLIN, 0};
        while (::poll(&pending, 1, 50) != 1 && waiting.elapsed() < 20000) {
            turnEventLoop();
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
    ASSERT_TRUE(server.listen());
    ASSERT_TRUE(qputenv("PULSE_SERVER", server.address()));

    QtCuePlayer player(QStringLiteral(COINWELL_TEST_DATA_DIR));
    const auto play = [&player](Cue cue) {
        QElapsedTimer timer;
        timer.start();
        player.play(cue);
        expectQuick(timer, "a cue waited for the sound server");
    };
    play(Cue::Rising);
    ASSERT_TRUE(server.waitForClient()) << "the sound thread never contacted the server";
    ASSERT_FALSE(player.state(200ms).has_value()) << "the sound thread is not held up by the server";

    // The sound thread waits on the silent server; cues keep coming.
    play(Cue::Falling);
    play(Cue::Rising);
    for (int i = 0; i < 10; ++i) {
        turnEventLoop();
    }

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(player.shutDown(500ms));
    expectQuick(timer, "shutDown waited for the stuck sound thread");

    // Once the server hangs up, the sound thread is free to finish.
    server.hangUp();
    EXPECT_TRUE(player.shutDown(10s));
}

// The real ending: a program that ends as main() does, with its sound thread
// stuck on a server of its own, is gone at once and reports success.
TEST(CuePlayerWithStalledServer, TheProgramEndsAtOnceWithStatusZero)
{
    StalledServer server;
    ASSERT_TRUE(server.listen());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), QString::fromUtf8(server.address()));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(COINWELL_EXIT_PROBE), {});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(server.waitForClient()) << "the program's sound thread never contacted the server";

    program.closeWriteChannel();  // ends its event loop, as Exit does
    const bool ended = program.waitForFinished(5000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the program hung on its way out";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
