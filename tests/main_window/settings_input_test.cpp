#include "fakes.h"
#include "main_window/form1.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace coinwell::testing {
namespace {

struct EntryCase {
    const char* what;
    std::vector<QString> guestEntries;       // the last one is accepted
    std::vector<QString> experimentEntries;  // the last one is accepted
    int guests;
    int experiments;
};

class SettingsInputTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(SettingsInputTest, AcceptsOnlyCountsInRangeAndAsksAgainWithTheDefault)
{
    const EntryCase& c = GetParam();
    FakeServices fakes;
    for (const QString& entry : c.guestEntries) fakes.dialogs.answers.push_back(entry);
    for (const QString& entry : c.experimentEntries) fakes.dialogs.answers.push_back(entry);
    auto form = std::make_unique<main_window::Form1>(fakes.Services());

    form->Form_Activate();

    EXPECT_EQ(form->CurrentSettings().GuestCount, c.guests);
    EXPECT_EQ(form->CurrentSettings().ExperimentCount, c.experiments);
    EXPECT_EQ(form->Label("Label82")->text(), QString::number(c.guests));
    EXPECT_EQ(form->Label("Label2")->text(), QString::number(c.experiments));
    ASSERT_EQ(fakes.dialogs.inputs.size(), c.guestEntries.size() + c.experimentEntries.size());
    for (std::size_t i = 0; i < fakes.dialogs.inputs.size(); ++i) {
        const bool guests = i < c.guestEntries.size();
        EXPECT_EQ(fakes.dialogs.inputs[i].defaultText, "100") << "dialog " << i;
        EXPECT_EQ(fakes.dialogs.inputs[i].title,
                  guests ? " Setting the number of guests" : " Setting the number of experiments");
        EXPECT_EQ(fakes.dialogs.inputs[i].prompt,
                  guests ? "Please enter an integer between 10 and 1000 ..."
                         : "Please enter an integer between 1 and 1000 ...");
    }
    EXPECT_EQ(form->GuestText(), c.guestEntries.back());
    EXPECT_EQ(form->ExperimentText(), c.experimentEntries.back());
    EXPECT_TRUE(fakes.dialogs.notices.empty());
    EXPECT_EQ(fakes.program.ends, 0);
}

const QString kHundredThousandNines(100000, QChar(u'9'));

INSTANTIATE_TEST_SUITE_P(
    Entries, SettingsInputTest,
    ::testing::Values(
        EntryCase{"defaults", {"100"}, {"100"}, 100, 100},
        EntryCase{"bounds", {"10"}, {"1"}, 10, 1},
        EntryCase{"upper bounds", {"1000"}, {"1000"}, 1000, 1000},
        EntryCase{"just outside", {"9", "1001", "12"}, {"0", "1001", "3"}, 12, 3},
        EntryCase{"fraction dropped", {"10.9"}, {"999.99"}, 10, 999},
        EntryCase{"bounds before rounding", {"9.99", "1000.4", "11"}, {"0.5", "2"}, 11, 2},
        EntryCase{"letters and signs", {"abc", "-20", "+15"}, {"-1", "x1", "7"}, 15, 7},
        EntryCase{"trailing words", {"25 people"}, {"40 runs"}, 25, 40},
        EntryCase{"digit grouping", {"1,000", "500"}, {"1,000"}, 500, 1},
        EntryCase{"beyond a 16-bit count", {"40000", "1e3", "70000.5", "20"}, {"32768", "65536", "9"}, 20, 9},
        EntryCase{"blanks are not empty", {"   ", "\t", "30"}, {" ", "5"}, 30, 5},
        EntryCase{"full-width", {"１００"}, {"　５０"}, 100, 50},
        EntryCase{"pasted text", {kHundredThousandNines, "12" + QString(99998, QChar(u'x'))}, {"\x01\x7f" "5", "8"}, 12, 8}),
    [](const ::testing::TestParamInfo<EntryCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

struct EmptyEntryCase {
    const char* what;
    std::vector<QString> answers;
    QString guestsLabel;
};

class EmptyEntryTest : public ::testing::TestWithParam<EmptyEntryCase> {};

TEST_P(EmptyEntryTest, ShowsTheNoticeAndEndsWithoutAnotherDialog)
{
    const EmptyEntryCase& c = GetParam();
    FakeServices fakes;
    for (const QString& answer : c.answers) fakes.dialogs.answers.push_back(answer);
    auto form = std::make_unique<main_window::Form1>(fakes.Services());

    form->Form_Activate();

    EXPECT_EQ(fakes.dialogs.inputs.size(), c.answers.size());
    ExpectExitNoticeAndEnd(fakes, form->MsgAnswer());
    EXPECT_EQ(form->Label("Label82")->text(), c.guestsLabel);
    EXPECT_TRUE(form->Label("Label2")->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Exits, EmptyEntryTest,
                         ::testing::Values(EmptyEntryCase{"guests", {""}, ""},
                                           EmptyEntryCase{"guests after a rejection", {"5", ""}, ""},
                                           EmptyEntryCase{"experiments", {"250", ""}, "250"}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(SettingsInput, GuestsLabelIsSetWhileTheExperimentsDialogIsOpen)
{
    FakeServices fakes;
    fakes.dialogs.answers = {"321", "10"};
    auto form = std::make_unique<main_window::Form1>(fakes.Services());
    QString guestsShownDuringSecondDialog;
    fakes.dialogs.onInput = [&](const InputCall& call) {
        if (call.title.contains("experiments")) {
            guestsShownDuringSecondDialog = form->Label("Label82")->text();
        }
    };

    form->Form_Activate();

    EXPECT_EQ(guestsShownDuringSecondDialog, "321");
}

TEST(SettingsInput, ActivationRunsOnceAfterTheWindowIsFirstShown)
{
    FakeServices fakes;
    fakes.dialogs.answers = {"100", "100"};
    auto form = std::make_unique<main_window::Form1>(fakes.Services());

    form->show();
    QCoreApplication::processEvents();
    form->hide();
    form->show();
    QCoreApplication::processEvents();

    EXPECT_EQ(fakes.dialogs.inputs.size(), 2U);
    EXPECT_EQ(form->CurrentSettings().GuestCount, 100);
}

}  // namespace
}  // namespace coinwell::testing
