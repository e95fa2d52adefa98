#include "window_fixture.h"

namespace coinwell::testing {
namespace {

struct EntryCase {
    const char* what;
    std::vector<QString> guestEntries;       // the last one is accepted
    std::vector<QString> experimentEntries;  // the last one is accepted
    int guests;
    int experiments;
};

class EntryTest : public MainWindowTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EntryTest, AcceptsOnlyCountsInRangeAndAsksAgainFromTheDefault)
{
    const EntryCase& c = GetParam();
    std::vector<QString> answers = c.guestEntries;
    answers.insert(answers.end(), c.experimentEntries.begin(), c.experimentEntries.end());
    open(answers);

    EXPECT_EQ(text("guestCountValue"), QString::number(c.guests));
    EXPECT_EQ(text("experimentCountValue"), QString::number(c.experiments));
    ASSERT_EQ(fakes.dialogs.questions.size(), answers.size());
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const bool guests = i < c.guestEntries.size();
        const Question& question = fakes.dialogs.questions[i];
        EXPECT_EQ(question.defaultText, "100") << "question " << i;
        EXPECT_EQ(question.title, guests ? " Setting the number of guests" : " Setting the number of experiments");
        EXPECT_EQ(question.prompt, guests ? "Please enter an integer between 10 and 1000 ..."
                                          : "Please enter an integer between 1 and 1000 ...");
    }
    EXPECT_TRUE(fakes.dialogs.notices.empty());
    EXPECT_EQ(fakes.programExit.quits, 0);

    window->startRun();
    EXPECT_EQ(fakes.clock.reads, c.experiments) << "one re-seed per experiment";
    EXPECT_EQ(text("guestCountValue"), QString::number(c.guests)) << "a run leaves the settings as they were";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryTest,
    ::testing::Values(
        EntryCase{"defaults", {"100"}, {"100"}, 100, 100},
        EntryCase{"lowerBounds", {"10"}, {"1"}, 10, 1},
        EntryCase{"upperBounds", {"1000"}, {"1000"}, 1000, 1000},
        EntryCase{"justOutside", {"9", "1001", "12"}, {"0", "-1", "3"}, 12, 3},
        EntryCase{"fractionDropped", {"10.9"}, {"999.99"}, 10, 999},
        EntryCase{"boundsBeforeRounding", {"9.99", "1000.4", "11"}, {"0.5", "2"}, 11, 2},
        EntryCase{"beyondA16BitCount", {"40000", "70000.5", "20"}, {"32768", "65536", "9"}, 20, 9},
        EntryCase{"blanksAreNotEmpty", {"   ", "\t", "30"}, {"　", "5"}, 30, 5},
        EntryCase{"fullWidthAndWords", {"１００"}, {"50 runs"}, 100, 50},
        EntryCase{"pastedText", {QString(100000, u'9'), "12" + QString(99998, u'x')}, {"\x01\x7f" "5", "8"}, 12, 8}),
    [](const auto& info) { return std::string(info.param.what); });

struct EmptyEntryCase {
    std::vector<QString> answers;
    const char* guestsShown;
};

class EmptyEntryTest : public MainWindowTest, public ::testing::WithParamInterface<EmptyEntryCase> {};

TEST_P(EmptyEntryTest, GivesTheNoticeAndEndsWithNoFurtherQuestion)
{
    open(GetParam().answers);
    EXPECT_EQ(fakes.dialogs.questions.size(), GetParam().answers.size());
    EXPECT_EQ(fakes.dialogs.notices, std::vector<QString>{"Coinwell: This software will exit."});
    EXPECT_EQ(fakes.programExit.quits, 1);
    EXPECT_EQ(text("guestCountValue"), GetParam().guestsShown);
    EXPECT_EQ(text("experimentCountValue"), "");
}

INSTANTIATE_TEST_SUITE_P(Exits, EmptyEntryTest,
                         ::testing::Values(EmptyEntryCase{{""}, ""}, EmptyEntryCase{{"5", ""}, ""},
                                           EmptyEntryCase{{"250", ""}, "250"}));

TEST_F(MainWindowTest, GuestsAreShownWhileTheExperimentsAreAskedAndOnlyOnFirstShowing)
{
    QString guestsShownMeanwhile;
    fakes.dialogs.onQuestion = [&](const Question& question) {
        if (question.title.contains("experiments")) {
            guestsShownMeanwhile = text("guestCountValue");
        }
    };
    open({"321", "10"});
    window->hide();
    window->show();
    QCoreApplication::processEvents();

    EXPECT_EQ(guestsShownMeanwhile, "321");
    EXPECT_EQ(fakes.dialogs.questions.size(), 2U);
}

}  // namespace
}  // namespace coinwell::testing
