// The Qt cue player with no sound device (ctest points the sound system at a
// server that does not exist): Qt reads both chimes, each cue cuts off the
// one before, and a file it cannot play silences only its own cue.
#include "sound/qt_cue_player.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using coinwell::Cue;
using coinwell::QtCuePlayer;
using namespace std::chrono_literals;

constexpr QtCuePlayer::CueState kIdle{true, false};
constexpr QtCuePlayer::CueState kPlaying{true, true};
constexpr QtCuePlayer::CueState kSilent{false, false};

// Qt reads the files in the background: the state once it is as expected,
// or the last one reported within 10 s.
QtCuePlayer::State settled(const QtCuePlayer& player, const QtCuePlayer::State& expected)
{
    QElapsedTimer waiting;
    waiting.start();
    std::optional<QtCuePlayer::State> state = player.state(2s);
    while (state.has_value() && *state != expected && waiting.elapsed() < 10000) {
        QThread::msleep(10);
        state = player.state(2s);
    }
    return state.value_or(QtCuePlayer::State{kSilent, kSilent});
}

struct PlayCase {
    const char* label;
    QByteArray rising;   // what pinpon.wav holds; null: no such file
    QByteArray falling;  // what endpinpon.wav holds
    std::vector<Cue> plays;
    QtCuePlayer::State expected;  // by Cue: Rising, Falling
};

class CuePlayerTest : public ::testing::TestWithParam<PlayCase> {};

TEST_P(CuePlayerTest, PlaysTheLastCueOnlyAndPassesOverWhatCannotPlay)
{
    QTemporaryDir folder;
    for (const auto& [name, bytes] : {std::pair{"pinpon.wav", GetParam().rising}, {"endpinpon.wav", GetParam().falling}}) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(bytes.isNull() || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
    }
    QtCuePlayer player(folder.path());
    for (const Cue cue : GetParam().plays) {
        player.play(cue);
    }
    EXPECT_EQ(settled(player, GetParam().expected), GetParam().expected);
    EXPECT_TRUE(player.shutDown(2s));
    player.play(Cue::Rising);  // ignored once shut down, and harmless
}

QByteArray chime()
{
    QFile built(QStringLiteral(COINWELL_TEST_DATA_DIR "/pinpon.wav"));
    return built.open(QIODevice::ReadOnly) ? built.readAll() : QByteArray();
}

INSTANTIATE_TEST_SUITE_P(
    Cues, CuePlayerTest,
    ::testing::Values(
        PlayCase{"Rising", chime(), chime(), {Cue::Rising}, {kPlaying, kIdle}},
        PlayCase{"FallingCutsOffRising", chime(), chime(), {Cue::Rising, Cue::Falling}, {kIdle, kPlaying}},
        PlayCase{"RisingAgainAfterFalling", chime(), chime(), {Cue::Rising, Cue::Falling, Cue::Rising}, {kPlaying, kIdle}},
        PlayCase{"RisingMissing", {}, chime(), {Cue::Rising, Cue::Falling}, {kSilent, kPlaying}},
        PlayCase{"RisingNotAWaveFile", "Thirty members\n", chime(), {Cue::Rising, Cue::Falling}, {kSilent, kPlaying}},
        PlayCase{"RisingCutShort", chime().left(chime().size() / 2), chime(), {Cue::Rising, Cue::Falling},
                 {kSilent, kPlaying}},
        PlayCase{"FallingMissing", chime(), {}, {Cue::Falling, Cue::Rising}, {kPlaying, kSilent}}),
    [](const auto& info) { return std::string(info.param.label); });

// A player that no cue has needed has no sound thread to wait for, and a
// cue after the end starts none.
TEST(CuePlayerNeverStarted, EndsAtOnceAndStaysEnded)
{
    QtCuePlayer player;
    EXPECT_TRUE(player.shutDown(0ms));
    player.play(Cue::Falling);
    player.readAhead();
    EXPECT_TRUE(player.shutDown(0ms));
}

// Without a folder of its own the player reads the chimes the build put
// beside bin/ and its module from lib/coinwell/, where the tests run from.
TEST(CuePlayerDefaultFolder, QtReadsBothInstalledChimes)
{
    QtCuePlayer player;
    EXPECT_EQ(settled(player, {kIdle, kIdle}), (QtCuePlayer::State{kIdle, kIdle}));
}

}  // namespace
