#include "fakes.h"
#include "main_window/form1.h"
#include "main_window/play_cue.h"
#include "platform/forms/picture_box.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace coinwell::testing {
namespace {

std::vector<std::string> CueSteps(const std::string& file)
{
    return {"Command=Stop", "Command=Close", "FileName=" + file, "Command=Open", "Command=Sound"};
}

TEST(PlayCue, SetsTheFiveStepsInOrderEveryTime)
{
    RecordingMedia media;
    main_window::PlayCue(media, "pinpon.wav");
    main_window::PlayCue(media, "endpinpon.wav");

    std::vector<std::string> expected = CueSteps("pinpon.wav");
    const auto second = CueSteps("endpinpon.wav");
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(media.steps, expected);
}

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes.dialogs.answers = {"100", "100"};
        form = std::make_unique<main_window::Form1>(fakes.Services());
        form->Form_Activate();
        fakes.dialogs.inputs.clear();
    }

    FakeServices fakes;
    std::unique_ptr<main_window::Form1> form;
};

TEST_F(CommandsTest, InitPlaysItsCueClearsEverythingAndAsksAgainWithoutTheLeadingBlank)
{
    form->Command1_Click();
    ASSERT_FALSE(form->Button("Command1")->isEnabled());
    platform::PictureBox& picture = *form->Picture("Picture1");
    QImage blank(picture.Image().size(), picture.Image().format());
    blank.setDevicePixelRatio(picture.Image().devicePixelRatio());
    blank.fill(picture.palette().color(QPalette::Window));

    struct Seen {
        bool startEnabled;
        bool pictureBlank;
        QString guests, experiments, average;
    };
    std::vector<Seen> seen;
    fakes.dialogs.onInput = [&](const InputCall&) {
        seen.push_back({form->Button("Command1")->isEnabled(), picture.Image() == blank,
                        form->Label("Label82")->text(), form->Label("Label2")->text(),
                        form->Label("Label3")->text()});
    };
    fakes.dialogs.answers = {"20", "30"};

    form->Command3_Click();

    EXPECT_EQ(fakes.media.steps, CueSteps("pinpon.wav"));
    ASSERT_EQ(fakes.dialogs.inputs.size(), 2U);
    EXPECT_EQ(fakes.dialogs.inputs[0].title, "Setting the number of guests");
    EXPECT_EQ(fakes.dialogs.inputs[1].title, "Setting the number of experiments");
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_TRUE(seen[0].startEnabled);
    EXPECT_TRUE(seen[0].pictureBlank);
    EXPECT_TRUE(seen[0].guests.isEmpty());
    EXPECT_TRUE(seen[0].experiments.isEmpty());
    EXPECT_TRUE(seen[0].average.isEmpty());
    EXPECT_EQ(seen[1].guests, "20");
    EXPECT_EQ(form->CurrentSettings().ExperimentCount, 30);
    EXPECT_EQ(picture.CurrentX(), 0.0F);
}

TEST_F(CommandsTest, ExitPlaysItsCueShowsTheNoticeAndEnds)
{
    form->Command2_Click();

    EXPECT_EQ(fakes.media.steps, CueSteps("endpinpon.wav"));
    ExpectExitNoticeAndEnd(fakes, form->MsgAnswer());
    EXPECT_TRUE(fakes.dialogs.inputs.empty());
}

TEST_F(CommandsTest, HelpPlaysItsCueUnloadsTheWindowAndShowsTheHelpWindow)
{
    form->Command4_Click();

    EXPECT_EQ(fakes.media.steps, CueSteps("pinpon.wav"));
    EXPECT_TRUE(form->IsUnloaded());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fakes.windows.shown, std::vector<std::string>{"Form2"});
    form.release();  // deleted by the event loop, as an unloaded window is
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(CommandsTest, AnInitEndedFromItsDialogTouchesNothingMore)
{
    fakes.dialogs.answers = {""};
    form->Command3_Click();
    EXPECT_EQ(fakes.program.ends, 1);
    EXPECT_EQ(fakes.dialogs.inputs.size(), 1U);
    EXPECT_TRUE(form->Button("Command1")->isEnabled());
}

}  // namespace
}  // namespace coinwell::testing
