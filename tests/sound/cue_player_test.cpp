// The Qt cue player with no sound device (ctest points the sound system at a
// server that does not exist): Qt reads both chimes, each cue cuts off the
// one before, and a file it cannot play silences only its own cue.
#include "sound/qt_cue_player.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <array>

namespace {

using coinwell::Cue;
using coinwell::QtCuePlayer;

struct CueState {
    bool ready = false;    // its file is read and decoded
    bool playing = false;  // started and not stopped or finished
    friend bool operator==(const CueState&, const CueState&) = default;
};
using State = std::array<CueState, 2>;  // by Cue: Rising, Falling

constexpr CueState kIdle{true, false};
constexpr CueState kPlaying{true, true};
constexpr CueState kSilent{false, false};

State stateOf(QtCuePlayer& player)
{
    State state;
    player.inspect([&state](const QObject* chimes) {
        for (std::size_t i = 0; chimes != nullptr && i < state.size(); ++i) {
            const auto* effect = qobject_cast<const QSoundEffect*>(chimes->children().value(static_cast<int>(i)));
            ASSERT_NE(effect, nullptr);
            state[i] = {effect->status() == QSoundEffect::Ready, effect->isPlaying()};
        }
    });
    return state;
}

// Qt reads the files in the background: the state once it is as expected,
// or the last one seen within 10 s.
State settled(QtCuePlayer& player, const State& expected)
{
    QElapsedTimer waiting;
    waiting.start();
    State state = stateOf(player);
    while (state != expected && waiting.elapsed() < 10000) {
        QThread::msleep(10);
        state = stateOf(player);
    }
    return state;
}

struct PlayCase {
    const char* label;
    QByteArray rising;   // what pinpon.wav holds; null: no such file
    QByteArray falling;  // what endpinpon.wav holds
    std::vector<Cue> plays;
    State expected;
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
    EXPECT_EQ(player.end(3), 3);  // had it given up, the test would end here with status 3
    player.play(Cue::Rising);     // ignored once ended, and harmless
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

// A player that no cue has needed ends at once, and a cue after the end
// starts nothing.
TEST(CuePlayerNeverStarted, EndsAndStaysEnded)
{
    QtCuePlayer player;
    EXPECT_EQ(player.end(3), 3);
    player.play(Cue::Falling);
    player.readAhead();
    EXPECT_EQ(player.end(4), 4);
}

// Without a folder of its own the player reads the chimes the build put
// beside bin/ and its module from lib/coinwell/, where the tests run from.
TEST(CuePlayerDefaultFolder, QtReadsBothInstalledChimesAhead)
{
    QtCuePlayer player;
    player.readAhead();
    EXPECT_EQ(settled(player, {kIdle, kIdle}), (State{kIdle, kIdle}));
}

}  // namespace
