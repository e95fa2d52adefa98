// The Qt media control with real files and no sound device (ctest points the
// sound system at a server that does not exist): every command returns at
// once, nothing unplayable or outside the data folder gets opened, and a good
// cue still plays afterwards.
#include "platform/sound/qt_media_control.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using coinwell::platform::QtMediaControl;

constexpr int kNoHangMs = 2000;  // far above any real cost, well below a hang

// What the main window does for every cue; no step of it may wait.
void PlayCue(QtMediaControl& control, const std::string& fileName)
{
    for (const std::string_view step : {"Stop", "Close", "=", "Open", "Sound"}) {
        QElapsedTimer timer;
        timer.start();
        if (step == "=") {
            control.SetFileName(fileName);
        } else {
            control.SetCommand(std::string(step));
        }
        EXPECT_LT(timer.elapsed(), kNoHangMs) << step << " hung";
    }
}

QtMediaControl::State StateOf(const QtMediaControl& control)
{
    const std::optional<QtMediaControl::State> state = control.WaitForState(kNoHangMs);
    EXPECT_TRUE(state.has_value()) << "the sound thread did not answer";
    return state.value_or(QtMediaControl::State{QStringLiteral("<no answer>"), -1});
}

// A data folder with a good cue, files that are not playable and good files
// out of reach in a subfolder and beside the data folder.
class MediaControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile built(QStringLiteral(COINWELL_TEST_DATA_DIR "/pinpon.wav"));
        ASSERT_TRUE(built.open(QIODevice::ReadOnly));
        const QByteArray chime = built.readAll();
        ASSERT_EQ(chime.mid(12, 4), "fmt ");  // so the format tag is at byte 20
        QByteArray compressed = chime;
        compressed[20] = 2;  // ADPCM
        ASSERT_TRUE(root_.isValid() && QDir(root_.path()).mkpath(QStringLiteral("data/sub")));
        const std::vector<std::pair<const char*, QByteArray>> files = {
            {"data/pinpon.wav", chime},       {"data/endpinpon.wav", chime},       {"data/sub/inner.wav", chime},
            {"outside.wav", chime},           {"data/notes.wav", "30 members\n"},  {"data/adpcm.wav", compressed},
            {"data/truncated.wav", chime.left(20)},
        };
        for (const auto& [name, bytes] : files) {
            QFile file(root_.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
        }
    }

    QString DataPath(const char* name = "") const { return root_.filePath(QStringLiteral("data/") + name); }

    QTemporaryDir root_;
};

struct CueCase {
    const char* label;
    std::vector<std::string> cues;  // "@outside" stands for the absolute path of outside.wav
    const char* openAfter;          // nullptr: nothing open
    int soundsAfter;
};

void PrintTo(const CueCase& c, std::ostream* out)
{
    *out << c.label;
}

class CueTest : public MediaControlTest, public ::testing::WithParamInterface<CueCase> {};

TEST_P(CueTest, OpensOnlyPlayableFilesInTheDataFolderAndAGoodCueStillPlaysAfter)
{
    QtMediaControl control(DataPath());
    for (const std::string& cue : GetParam().cues) {
        PlayCue(control, cue == "@outside" ? root_.filePath(QStringLiteral("outside.wav")).toStdString() : cue);
    }
    const QtMediaControl::State state = StateOf(control);
    EXPECT_EQ(state.openFile, GetParam().openAfter == nullptr ? QString() : DataPath(GetParam().openAfter));
    EXPECT_EQ(state.soundsStarted, GetParam().soundsAfter);

    PlayCue(control, "endpinpon.wav");
    const QtMediaControl::State after = StateOf(control);
    EXPECT_EQ(after.openFile, DataPath("endpinpon.wav"));
    EXPECT_EQ(after.soundsStarted, GetParam().soundsAfter + 1);
}

INSTANTIATE_TEST_SUITE_P(
    MediaControl, CueTest,
    ::testing::Values(CueCase{"FirstCue", {"pinpon.wav"}, "pinpon.wav", 1},
                      CueCase{"TwiceInARow", {"pinpon.wav", "pinpon.wav"}, "pinpon.wav", 2},
                      // A file that will not open leaves nothing open, not the cue before it.
                      CueCase{"Missing", {"pinpon.wav", "missing.wav"}, nullptr, 1},
                      CueCase{"TextFile", {"pinpon.wav", "notes.wav"}, nullptr, 1},
                      CueCase{"TruncatedHeader", {"pinpon.wav", "truncated.wav"}, nullptr, 1},
                      CueCase{"Compressed", {"pinpon.wav", "adpcm.wav"}, nullptr, 1},
                      CueCase{"ParentFolder", {"pinpon.wav", "../outside.wav"}, nullptr, 1},
                      CueCase{"SubFolder", {"pinpon.wav", "sub/inner.wav"}, nullptr, 1},
                      CueCase{"AbsolutePath", {"pinpon.wav", "@outside"}, nullptr, 1}),
    [](const ::testing::TestParamInfo<CueCase>& info) { return std::string(info.param.label); });

// Without a folder of its own the control looks beside bin/, where the build
// puts the chimes, and never in the current folder.
TEST_F(MediaControlTest, DefaultFolderIsTheProgramsDataFolderNotTheCurrentOne)
{
    struct CurrentFolder {
        QString previous = QDir::currentPath();
        ~CurrentFolder() { QDir::setCurrent(previous); }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(root_.path()));

    QtMediaControl control;
    PlayCue(control, "outside.wav");  // only in the current folder
    EXPECT_EQ(StateOf(control).openFile, QString());
    PlayCue(control, "pinpon.wav");
    const QtMediaControl::State state = StateOf(control);
    EXPECT_EQ(QFileInfo(state.openFile).canonicalFilePath(),
              QFileInfo(QStringLiteral(COINWELL_TEST_DATA_DIR "/pinpon.wav")).canonicalFilePath());
    EXPECT_EQ(state.soundsStarted, 1);
}

}  // namespace
