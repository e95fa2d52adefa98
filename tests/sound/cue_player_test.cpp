// The Qt cue player with no sound device (ctest points the sound system at a
// server that does not exist): every play returns at once, Qt reads both
// chimes, and a file it cannot play silences only its own cue.
#include "sound/qt_cue_player.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <vector>

namespace {

using coinwell::Cue;
using coinwell::QtCuePlayer;
using namespace std::chrono_literals;

constexpr auto kNoHang = 2s;  // far above any real cost, well below a hang

void play(QtCuePlayer& player, Cue cue)
{
    QElapsedTimer timer;
    timer.start();
    player.play(cue);
    EXPECT_LT(timer.elapsed(), std::chrono::milliseconds(kNoHang).count()) << "play waited";
}

// Qt reads the files in the background: waits until the sound thread reports
// what is expected, or gives up and returns what it last reported.
QtCuePlayer::State settle(const QtCuePlayer& player, const QtCuePlayer::State& expected)
{
    QElapsedTimer waiting;
    waiting.start();
    std::optional<QtCuePlayer::State> state;
    while (waiting.elapsed() < 10000) {
        state = player.state(kNoHang);
        if (!state.has_value() || *state == expected) {
            break;
        }
        QThread::msleep(10);
    }
    EXPECT_TRUE(state.has_value()) << "the sound thread did not answer";
    return state.value_or(QtCuePlayer::State{});
}

constexpr QtCuePlayer::CueState kIdle{true, false};
constexpr QtCuePlayer::CueState kPlaying{true, true};
constexpr QtCuePlayer::CueState kSilent{false, false};

struct PlayCase {
    const char* label;
    const char* rising;   // what pinpon.wav holds
    const char* falling;  // what endpinpon.wav holds
    std::vector<Cue> plays;
    QtCuePlayer::State expected;  // by Cue: Rising, Falling
};

class CuePlayerTest : public ::testing::TestWithParam<PlayCase> {};

TEST_P(CuePlayerTest, PlaysTheLastCueOnlyAndPassesOverWhatCannotPlay)
{
    QFile built(QStringLiteral(COINWELL_TEST_DATA_DIR "/pinpon.wav"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QByteArray chime = built.readAll();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const auto& [name, content] : {std::pair{"pinpon.wav", GetParam().rising},
                                        std::pair{"endpinpon.wav", GetParam().falling}}) {
        const std::string kind = content;
        if (kind == "missing") {
            continue;
        }
        const QByteArray bytes = kind == "chime"       ? chime
                                 : kind == "cut short" ? chime.left(chime.size() / 2)
                                                       : "Thirty members, five hundred yen each\n";
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
    }

    QtCuePlayer player(folder.path());
    for (const Cue cue : GetParam().plays) {
        play(player, cue);
    }
    EXPECT_EQ(settle(player, GetParam().expected), GetParam().expected);

    EXPECT_TRUE(player.shutDown(kNoHang));
    play(player, Cue::Rising);  // ignored once shut down, and harmless
}

INSTANTIATE_TEST_SUITE_P(
    Cues, CuePlayerTest,
    ::testing::Values(
        PlayCase{"Rising", "chime", "chime", {Cue::Rising}, {kPlaying, kIdle}},
        PlayCase{"FallingCutsOffRising", "chime", "chime", {Cue::Rising, Cue::Falling}, {kIdle, kPlaying}},
        PlayCase{"RisingAgainAfterFalling", "chime", "chime", {Cue::Rising, Cue::Falling, Cue::Rising},
                 {kPlaying, kIdle}},
        PlayCase{"RisingMissing", "missing", "chime", {Cue::Rising, Cue::Falling}, {kSilent, kPlaying}},
        PlayCase{"RisingNotAWaveFile", "text", "chime", {Cue::Rising, Cue::Falling}, {kSilent, kPlaying}},
        PlayCase{"RisingCutShort", "cut short", "chime", {Cue::Rising, Cue::Falling}, {kSilent, kPlaying}},
        PlayCase{"FallingMissing", "chime", "missing", {Cue::Falling, Cue::Rising}, {kPlaying, kSilent}}),
    [](const ::testing::TestParamInfo<PlayCase>& info) { return std::string(info.param.label); });

// Without a folder of its own the player reads the chimes the build put
// beside bin/, where the tests run from.
TEST(CuePlayerDefaultFolder, QtReadsBothInstalledChimes)
{
    QtCuePlayer player;
    EXPECT_EQ(settle(player, {kIdle, kIdle}), (QtCuePlayer::State{kIdle, kIdle}));
}

}  // namespace
