#include "fakes.h"
#include "main_window/form1.h"
#include "platform/runtime/number_format.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace coinwell::testing {
namespace {

using platform::MousePointer;

class StartCommandTest : public ::testing::Test {
protected:
    void SetUpForm(const char* guests, const char* experiments)
    {
        fakes.dialogs.answers = {guests, experiments};
        form = std::make_unique<main_window::Form1>(fakes.Services());
        form->Form_Activate();
    }

    QPushButton* Button(const char* name) { return form->Button(name); }

    FakeServices fakes;
    std::unique_ptr<main_window::Form1> form;
};

TEST_F(StartCommandTest, RunsOneExperimentPerSettingAndLeavesTheAfterRunState)
{
    SetUpForm("100", "100");
    Button("Command4")->setEnabled(false);  // Help is left as it was
    struct Seen {
        MousePointer pointer;
        bool exit;
        bool init;
    };
    std::vector<Seen> duringRun;
    fakes.clock.onRead = [&] {
        duringRun.push_back({form->CurrentMousePointer(), Button("Command2")->isEnabled(),
                             Button("Command3")->isEnabled()});
    };

    form->Command1_Click();

    ASSERT_EQ(duringRun.size(), 100U) << "one re-seed per experiment";
    for (const Seen& seen : duringRun) {
        EXPECT_EQ(seen.pointer, MousePointer::Hourglass);
        EXPECT_FALSE(seen.exit);
        EXPECT_FALSE(seen.init);
    }
    EXPECT_FALSE(Button("Command1")->isEnabled());
    EXPECT_TRUE(Button("Command2")->isEnabled());
    EXPECT_TRUE(Button("Command3")->isEnabled());
    EXPECT_FALSE(Button("Command4")->isEnabled());
    EXPECT_EQ(form->CurrentMousePointer(), MousePointer::Arrow);
    EXPECT_EQ(form->CurrentSettings().GuestCount, 100) << "a run never changes the settings";
    EXPECT_EQ(form->CurrentSettings().ExperimentCount, 100);
    EXPECT_EQ(form->Label("Label3")->text().toStdString(),
              platform::FormatOneDecimal(form->ShortageSum() / 100.0));
}

TEST_F(StartCommandTest, ASecondClickWaitingInTheQueueMakesNoSecondRun)
{
    SetUpForm("50", "20");
    // The pass over waiting messages meets a second click on Start.
    fakes.program.onDoEvents = [&] {
        fakes.program.onDoEvents = nullptr;
        QTest::mouseClick(Button("Command1"), Qt::LeftButton);
        QCoreApplication::processEvents();
    };

    QTest::mouseClick(Button("Command1"), Qt::LeftButton);

    EXPECT_EQ(fakes.clock.reads, 20) << "experiments of exactly one run";
    EXPECT_FALSE(Button("Command1")->isEnabled());
}

struct WaitingCommandCase {
    const char* what;
    void (main_window::Form1::*command)();
    bool unloads;
    int ends;
};

class WaitingCommandTest : public StartCommandTest,
                           public ::testing::WithParamInterface<WaitingCommandCase> {};

TEST_P(WaitingCommandTest, TheRunStopsWhenAWaitingCommandTakesTheWindowAway)
{
    const WaitingCommandCase& c = GetParam();
    SetUpForm("100", "100");
    fakes.program.onDoEvents = [&] { (form.get()->*c.command)(); };

    form->Command1_Click();

    EXPECT_EQ(fakes.clock.reads, 0) << "no experiment after the window went away";
    EXPECT_EQ(form->IsUnloaded(), c.unloads);
    EXPECT_EQ(fakes.program.ends, c.ends);
    EXPECT_TRUE(form->Label("Label3")->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Commands, WaitingCommandTest,
                         ::testing::Values(WaitingCommandCase{"Help", &main_window::Form1::Command4_Click, true, 0},
                                           WaitingCommandCase{"Exit", &main_window::Form1::Command2_Click, false, 1}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(StartCommandTest, AWaitingInitAsksFirstAndTheRunUsesTheNewSettings)
{
    SetUpForm("100", "100");
    fakes.dialogs.answers = {"10", "7"};
    fakes.program.onDoEvents = [&] { form->Command3_Click(); };

    form->Command1_Click();

    EXPECT_EQ(fakes.clock.reads, 7);
    EXPECT_EQ(form->CurrentSettings().GuestCount, 10);
    EXPECT_FALSE(Button("Command1")->isEnabled());
}

}  // namespace
}  // namespace coinwell::testing
