// The Qt media control with real files and no sound device (ctest points the
// sound system at a server that does not exist): every command returns at
// once, nothing unplayable gets opened, and a good cue still plays after a
// bad one.
#include "platform/sound/qt_media_control.h"
#include "wave_builder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using coinwell::platform::QtMediaControl;
namespace wave = coinwell::sound_test;

// "Returns promptly" in these tests: far above any real cost, well below a hang.
constexpr int kNoHangMs = 2000;

// One step of a script: a command, or "=name" to set the file name.
void Step(QtMediaControl& control, const std::string& step)
{
    QElapsedTimer timer;
    timer.start();
    if (step.starts_with('=')) {
        control.SetFileName(step.substr(1));
    } else {
        control.SetCommand(step);
    }
    EXPECT_LT(timer.elapsed(), kNoHangMs) << "\"" << step << "\" hung";
}

// What the main window does for every cue.
void PlayCue(QtMediaControl& control, const std::string& fileName)
{
    for (const std::string& step : {std::string("Stop"), std::string("Close"), "=" + fileName, std::string("Open"),
                                    std::string("Sound")}) {
        Step(control, step);
    }
}

QtMediaControl::State StateOf(const QtMediaControl& control)
{
    const std::optional<QtMediaControl::State> state = control.WaitForState(kNoHangMs);
    EXPECT_TRUE(state.has_value()) << "the sound thread did not answer";
    return state.value_or(QtMediaControl::State{QStringLiteral("<no answer>"), -1});
}

bool WriteFile(const QString& path, const wave::Bytes& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

// A data folder with two cues and a range of files that are not playable,
// plus good wave files just outside it that must stay out of reach.
class MediaControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("data/sub")));
        ASSERT_TRUE(QDir(DataPath()).mkdir(QStringLiteral("folder.wav")));

        using wave::Chunk, wave::FormatChunk, wave::Riff, wave::ToneDataChunk;
        const wave::Bytes tone = wave::ShortTone();
        const std::vector<std::pair<QString, wave::Bytes>> files = {
            {DataPath("pinpon.wav"), tone},
            {DataPath("endpinpon.wav"), tone},
            {DataPath("sub/inner.wav"), tone},
            {root_.filePath(QStringLiteral("outside.wav")), tone},
            // An odd-sized chunk ahead of the sound data, padded as RIFF asks.
            {DataPath("with_list.wav"),
             Riff("WAVE", {FormatChunk(1, 1, 22050, 16), Chunk("LIST", {'a', 'b', 'c'}), ToneDataChunk(22050)})},
            {DataPath("notes.wav"), {'3', '0', ' ', 'm', 'e', 'm', 'b', 'e', 'r', 's', '\n'}},
            {DataPath("truncated.wav"), wave::Bytes(tone.begin(), tone.begin() + 20)},
            {DataPath("empty.wav"), {}},
            {DataPath("avi.wav"), Riff("AVI ", {FormatChunk(1, 1, 22050, 16), ToneDataChunk(22050)})},
            {DataPath("no_data.wav"), Riff("WAVE", {FormatChunk(1, 1, 22050, 16)})},
            {DataPath("no_format.wav"), Riff("WAVE", {ToneDataChunk(22050)})},
            {DataPath("adpcm.wav"), Riff("WAVE", {FormatChunk(2, 1, 22050, 4), ToneDataChunk(22050)})},
            {DataPath("empty_data.wav"), Riff("WAVE", {FormatChunk(1, 1, 22050, 16), Chunk("data", {})})},
        };
        for (const auto& [path, bytes] : files) {
            ASSERT_TRUE(WriteFile(path, bytes)) << path.toStdString();
        }
    }

    QString DataPath(const char* name = nullptr) const
    {
        const QString data = root_.filePath(QStringLiteral("data"));
        return name == nullptr ? data : data + QLatin1Char('/') + QLatin1String(name);
    }

    QTemporaryDir root_;
};

struct UnplayableCase {
    const char* label;
    std::string fileName;  // "@outside" stands for the absolute path of outside.wav
};

void PrintTo(const UnplayableCase& c, std::ostream* out)
{
    *out << c.label;
}

class UnplayableFileTest : public MediaControlTest, public ::testing::WithParamInterface<UnplayableCase> {};

TEST_P(UnplayableFileTest, OpensNothingAndTheNextCueStillPlays)
{
    std::string fileName = GetParam().fileName;
    if (fileName == "@outside") {
        fileName = root_.filePath(QStringLiteral("outside.wav")).toStdString();
    }
    QtMediaControl control(DataPath());

    PlayCue(control, fileName);
    const QtMediaControl::State refused = StateOf(control);
    EXPECT_EQ(refused.openFile, QString());
    EXPECT_EQ(refused.soundsStarted, 0);

    PlayCue(control, "pinpon.wav");
    const QtMediaControl::State played = StateOf(control);
    EXPECT_EQ(played.openFile, DataPath("pinpon.wav"));
    EXPECT_EQ(played.soundsStarted, 1);
}

INSTANTIATE_TEST_SUITE_P(
    MediaControl, UnplayableFileTest,
    ::testing::Values(UnplayableCase{"Missing", "missing.wav"}, UnplayableCase{"TextFile", "notes.wav"},
                      UnplayableCase{"TruncatedHeader", "truncated.wav"}, UnplayableCase{"EmptyFile", "empty.wav"},
                      UnplayableCase{"RiffButNotWave", "avi.wav"}, UnplayableCase{"NoDataChunk", "no_data.wav"},
                      UnplayableCase{"NoFormatChunk", "no_format.wav"}, UnplayableCase{"Compressed", "adpcm.wav"},
                      UnplayableCase{"NoSamples", "empty_data.wav"}, UnplayableCase{"Directory", "folder.wav"},
                      UnplayableCase{"EmptyName", ""}, UnplayableCase{"Dot", "."},
                      UnplayableCase{"ParentFolder", "../outside.wav"},
                      UnplayableCase{"ParentBackslash", "..\\outside.wav"},
                      UnplayableCase{"RoundTrip", "../data/pinpon.wav"},
                      UnplayableCase{"SubFolder", "sub/inner.wav"}, UnplayableCase{"AbsolutePath", "@outside"}),
    [](const ::testing::TestParamInfo<UnplayableCase>& info) { return std::string(info.param.label); });

struct ScriptCase {
    const char* label;
    std::vector<std::string> steps;  // "cue:name" runs the main window's whole cue
    const char* openAfter;           // nullptr: nothing open
    int soundsAfter;
};

void PrintTo(const ScriptCase& c, std::ostream* out)
{
    *out << c.label;
}

class ScriptTest : public MediaControlTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(ScriptTest, EndsWithTheExpectedFileOpen)
{
    QtMediaControl control(DataPath());
    for (const std::string& step : GetParam().steps) {
        if (step.starts_with("cue:")) {
            PlayCue(control, step.substr(4));
        } else {
            Step(control, step);
        }
    }
    const QtMediaControl::State state = StateOf(control);
    EXPECT_EQ(state.openFile, GetParam().openAfter == nullptr ? QString() : DataPath(GetParam().openAfter));
    EXPECT_EQ(state.soundsStarted, GetParam().soundsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    MediaControl, ScriptTest,
    ::testing::Values(
        ScriptCase{"FirstCueStopsAndClosesNothing", {"Stop", "Close", "=pinpon.wav", "Open", "Sound"}, "pinpon.wav", 1},
        ScriptCase{"CueTwiceInARow", {"cue:pinpon.wav", "cue:pinpon.wav"}, "pinpon.wav", 2},
        ScriptCase{"CuesBackToBack", {"cue:pinpon.wav", "cue:endpinpon.wav", "cue:with_list.wav"}, "with_list.wav", 3},
        ScriptCase{"NamingAFileDoesNotOpenIt", {"=pinpon.wav"}, nullptr, 0},
        ScriptCase{"SoundWithNothingOpen", {"Sound", "=pinpon.wav", "Sound"}, nullptr, 0},
        ScriptCase{"SoundAfterClose", {"cue:pinpon.wav", "Close", "Sound"}, nullptr, 1},
        ScriptCase{"ReopenAfterClose", {"cue:pinpon.wav", "Close", "Open", "Sound"}, "pinpon.wav", 2},
        ScriptCase{"OpenReplacesWhatWasOpen", {"=pinpon.wav", "Open", "=endpinpon.wav", "Open"}, "endpinpon.wav", 0},
        ScriptCase{"FailedOpenStillReleases", {"=pinpon.wav", "Open", "=missing.wav", "Open", "Sound"}, nullptr, 0},
        ScriptCase{"UnknownCommandsChangeNothing",
                   {"cue:pinpon.wav", "", "Play", "stop", "SOUND", "Open ", " Close", "Eject", "Sound\n"},
                   "pinpon.wav",
                   1}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.label); });

TEST_F(MediaControlTest, ClosingWithCuesStillQueuedReturnsPromptly)
{
    auto control = std::make_unique<QtMediaControl>(DataPath());
    for (int i = 0; i < 50; ++i) {
        PlayCue(*control, i % 2 == 0 ? "pinpon.wav" : "endpinpon.wav");
    }
    QElapsedTimer timer;
    timer.start();
    control.reset();
    EXPECT_LT(timer.elapsed(), kNoHangMs);
}

// Without a folder of its own the control looks beside bin/, where the build
// puts the chimes, and never in the current folder.
TEST_F(MediaControlTest, DefaultFolderIsTheProgramsDataFolderNotTheCurrentOne)
{
    ASSERT_TRUE(WriteFile(root_.filePath(QStringLiteral("cwd_only.wav")), wave::ShortTone()));
    struct CurrentFolder {
        QString previous = QDir::currentPath();
        ~CurrentFolder() { QDir::setCurrent(previous); }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(root_.path()));

    QtMediaControl control;
    PlayCue(control, "cwd_only.wav");
    EXPECT_EQ(StateOf(control).openFile, QString());

    PlayCue(control, "endpinpon.wav");
    const QtMediaControl::State state = StateOf(control);
    ASSERT_FALSE(state.openFile.isEmpty());
    EXPECT_EQ(QFileInfo(state.openFile).canonicalFilePath(),
              QFileInfo(QStringLiteral(COINWELL_TEST_DATA_DIR "/endpinpon.wav")).canonicalFilePath());
    EXPECT_EQ(state.soundsStarted, 1);
}

}  // namespace
