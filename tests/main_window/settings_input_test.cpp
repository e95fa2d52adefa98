#include "window_fixture.h"

#include <algorithm>
#include <cctype>

namespace coinwell::testing {
namespace {

const char* const kGuestsTitle = " Setting the number of guests";
const char* const kGuestsPrompt = "Please enter an integer between 10 and 1000 ...";
const char* const kExperimentsPrompt = "Please enter an integer between 1 and 1000 ...";

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
    fakes.dialogs.answers.insert(fakes.dialogs.answers.end(), c.guestEntries.begin(), c.guestEntries.end());
    fakes.dialogs.answers.insert(fakes.dialogs.answers.end(), c.experimentEntries.begin(), c.experimentEntries.end());
    window = std::make_unique<MainWindow>(fakes.services());
    window->show();
    QCoreApplication::processEvents();

    EXPECT_EQ(text("guestCountValue"), QString::number(c.guests));
    EXPECT_EQ(text("experimentCountValue"), QString::number(c.experiments));
    ASSERT_EQ(fakes.dialogs.questions.size(), c.guestEntries.size() + c.experimentEntries.size());
    for (std::size_t i = 0; i < fakes.dialogs.questions.size(); ++i) {
        const bool guests = i < c.guestEntries.size();
        const Question& question = fakes.dialogs.questions[i];
        EXPECT_EQ(question.defaultText, "100") << "question " << i;
        EXPECT_EQ(question.title, guests ? kGuestsTitle : " Setting the number of experiments");
        EXPECT_EQ(question.prompt, guests ? kGuestsPrompt : kExperimentsPrompt);
    }
    EXPECT_TRUE(fakes.dialogs.notices.empty());
    EXPECT_EQ(fakes.programExit.quits, 0);

    // A run reads the settings and leaves them as they were.
    fakes.clock.onRead = [&] { EXPECT_EQ(text("guestCountValue"), QString::number(c.guests)); };
    window->startRun();
    EXPECT_EQ(fakes.clock.reads, c.experiments);
}

const QString kHundredThousandNines(100000, QChar(u'9'));

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryTest,
    ::testing::Values(
        EntryCase{"defaults", {"100"}, {"100"}, 100, 100},
        EntryCase{"lower bounds", {"10"}, {"1"}, 10, 1},
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
        std::replace_if(name.begin(), name.end(), [](unsigned char ch) { return !std::isalnum(ch); }, '_');
        return name;
    });

struct EmptyEntryCase {
    std::vector<QString> answers;
    const char* guestsShown;
};

class EmptyEntryTest : public MainWindowTest, public ::testing::WithParamInterface<EmptyEntryCase> {};

TEST_P(EmptyEntryTest, GivesTheNoticeAndEndsWithNoFurtherQuestion)
{
    fakes.dialogs.answers.assign(GetParam().answers.begin(), GetParam().answers.end());
    window = std::make_unique<MainWindow>(fakes.services());
    window->show();
    QCoreApplication::processEvents();

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
