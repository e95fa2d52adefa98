#include "core/experiment.h"
#include "desktop/main_window/main_window.h"
#include "support/window_fakes.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace coinwell::testing {
namespace {

const QString kGuestsQuestion = " Setting the number of guests|Please enter an integer between 10 and 1000 ...|100";
const QString kExperimentsQuestion =
    " Setting the number of experiments|Please enter an integer between 1 and 1000 ...|100";
const QString kExitNotice = "Coinwell: This software will exit.";

// A main window on fake services, shown and with its questions answered.
class MainWindowTest : public ::testing::Test {
protected:
    // What the graph shows over the histogram is remembered from one window
    // to the next.
    void SetUp() override { QSettings().clear(); }

    void open(const std::vector<QString>& answers = {"100", "100"})
    {
        fakes.dialogs.answers.assign(answers.begin(), answers.end());
        window.reset();
        window = std::make_unique<MainWindow>(fakes.services());
        window->show();
        QCoreApplication::processEvents();
    }

    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    QString text(const char* label) const { return window->findChild<QLabel*>(label)->text(); }
    QWidget* graph() const { return window->findChild<QWidget*>("graphView"); }
    QString graphDescription() const
    {
        return QAccessible::queryAccessibleInterface(graph())->text(QAccessible::Description);
    }
    QString spoken(const char* label) const
    {
        return QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(label))->text(QAccessible::Name);
    }

    FakeServices fakes;
    std::unique_ptr<MainWindow> window;
};

// A click that waits in the event queue, as one made while a command runs.
void queueClick(QPushButton* button)
{
    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

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
    window->hide();
    window->show();  // the questions come once, when the window is made
    QCoreApplication::processEvents();

    EXPECT_EQ(text("guestCountValue"), QString::number(c.guests));
    EXPECT_EQ(text("experimentCountValue"), QString::number(c.experiments));
    std::vector<QString> questions(c.guestEntries.size(), kGuestsQuestion);
    questions.insert(questions.end(), c.experimentEntries.size(), kExperimentsQuestion);
    EXPECT_EQ(fakes.dialogs.questions, questions);
    EXPECT_EQ(fakes.programExit.quits, 0);
    window->startRun();
    EXPECT_EQ(fakes.clock.reads, c.experiments) << "one re-seed per experiment";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryTest,
    ::testing::Values(
        EntryCase{"bounds", {"10"}, {"1000"}, 10, 1000},
        EntryCase{"otherBounds", {"1000"}, {"1"}, 1000, 1},
        EntryCase{"justOutside", {"9", "1001", "12"}, {"0", "-1", "3"}, 12, 3},
        EntryCase{"fractionDropped", {"10.9"}, {"999.99"}, 10, 999},
        EntryCase{"boundsBeforeRounding", {"9.99", "1000.4", "11"}, {"0.5", "2"}, 11, 2},
        // Each would be in range if cut to 16 bits.
        EntryCase{"beyondA16BitCount", {"65636", "65546", "20"}, {"65537", "66536", "9"}, 20, 9},
        EntryCase{"blanksAreNotEmpty", {"   ", "\t", "30"}, {"　", "5"}, 30, 5},
        EntryCase{"fullWidthAndWords", {"１００"}, {"50 runs"}, 100, 50}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(MainWindowTest, StartRunsUnderTheHourglassAndLeavesOnlyExitAndInitEnabled)
{
    open({"10", "40"});
    button("helpButton")->setEnabled(false);  // Help is left as it was
    int readsUnderHourglass = 0;
    fakes.clock.onRead = [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        readsUnderHourglass += cursor != nullptr && cursor->shape() == Qt::WaitCursor &&
                               !button("exitButton")->isEnabled() && !button("initButton")->isEnabled();
    };

    QTest::mouseClick(button("startButton"), Qt::LeftButton);

    EXPECT_EQ(readsUnderHourglass, 40);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(button("startButton")->isEnabled() || button("helpButton")->isEnabled());
    EXPECT_TRUE(button("exitButton")->isEnabled() && button("initButton")->isEnabled());
    EXPECT_TRUE(fakes.cues.played.empty());
    // With 10 guests every shortage lies between -10 and +1, and 40
    // experiments make some shortage occur at least 4 times.
    const auto match = QRegularExpression(R"(^40 experiments\. Average shortage (-?\d*\.\d)\. )"
                                          R"(Most frequent shortage (-?\d+), in (\d+) experiments\. Exact mean (-1\.96)\.$)")
                           .match(graphDescription());
    ASSERT_TRUE(match.hasMatch()) << graphDescription().toStdString();
    EXPECT_EQ(match.captured(1), text("averageValue"));
    EXPECT_EQ(spoken("averageValue"), "Average number of shortage: " + text("averageValue"));
    EXPECT_TRUE(text("averageValue").toDouble() >= -10 && text("averageValue").toDouble() <= 1);
    EXPECT_TRUE(match.captured(2).toInt() >= -10 && match.captured(2).toInt() <= 1);
    EXPECT_GE(match.captured(3).toInt(), 4);
}

// The guests label shows its count while the experiments are asked, and a
// screen reader hears it with its caption.
TEST_F(MainWindowTest, InitChimesClearsEverythingAndAsksAgainWithoutTheLeadingBlank)
{
    open();
    const QImage empty = graph()->grab().toImage();
    window->startRun();
    ASSERT_NE(graph()->grab().toImage(), empty) << "the run drew nothing";
    std::vector<QString> seen;  // Start enabled, graph empty, values
    fakes.dialogs.onQuestion = [&] {
        seen.push_back(QString::number(button("startButton")->isEnabled()) +
                       QString::number(graph()->grab().toImage() == empty && graphDescription().isEmpty()) + "|" +
                       text("guestCountValue") + "|" + text("experimentCountValue") + "|" + text("averageValue") +
                       "|" + spoken("guestCountValue") + "|" + spoken("averageValue"));
    };
    fakes.dialogs.questions.clear();
    fakes.dialogs.answers = {"20", "30"};

    QTest::mouseClick(button("initButton"), Qt::LeftButton);

    EXPECT_EQ(fakes.cues.played, std::vector<Cue>{Cue::Rising});
    EXPECT_EQ(fakes.dialogs.questions, (std::vector<QString>{kGuestsQuestion.mid(1), kExperimentsQuestion.mid(1)}));
    EXPECT_EQ(seen, (std::vector<QString>{"11||||Number of guests|Average number of shortage",
                                          "11|20|||Number of guests: 20|Average number of shortage"}));
    EXPECT_EQ(spoken("experimentCountValue"), "Number of experiments: 30");

    fakes.dialogs.answers = {"250", ""};  // an empty entry ends the program at once
    window->reinitialise();
    EXPECT_EQ(fakes.dialogs.notices, std::vector<QString>{kExitNotice});
    EXPECT_EQ(fakes.programExit.quits, 1);
    EXPECT_EQ(fakes.dialogs.questions.size(), 4U);
    EXPECT_EQ(text("guestCountValue") + "|" + text("experimentCountValue"), "250|");
}

// Help's window in place of this one is the window switcher's test.
TEST_F(MainWindowTest, ExitEndsAfterItsNoticeAndExitAndHelpChime)
{
    open();
    QTest::mouseClick(button("exitButton"), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.notices, std::vector<QString>{kExitNotice});
    EXPECT_EQ(fakes.programExit.quits, 1);
    open();
    QTest::mouseClick(button("helpButton"), Qt::LeftButton);
    EXPECT_EQ(fakes.cues.played, (std::vector<Cue>{Cue::Falling, Cue::Rising}));
}

TEST_F(MainWindowTest, ClicksWaitingBeforeStartAreHandledFirst)
{
    open({"50", "20"});
    queueClick(button("startButton"));
    window->startRun();
    QCoreApplication::processEvents();
    EXPECT_EQ(fakes.clock.reads, 20) << "a second Start waiting makes no second run";

    fakes.dialogs.answers = {"10", "7"};
    queueClick(button("initButton"));
    queueClick(button("startButton"));  // enabled again by the Init before it
    window->startRun();
    QCoreApplication::processEvents();
    EXPECT_EQ(fakes.clock.reads, 20 + 7) << "a waiting Init asks first, and the run uses the new settings";
    EXPECT_FALSE(button("startButton")->isEnabled());
}

// The window goes away for good while Start handles the clicks before it.
TEST_F(MainWindowTest, AWaitingHelpOrExitMeansNoRun)
{
    for (const char* waiting : {"helpButton", "exitButton"}) {
        open();
        window->setAttribute(Qt::WA_DeleteOnClose);
        const QPointer<MainWindow> watched = window.release();
        queueClick(watched->findChild<QPushButton*>(waiting));
        watched->startRun();
        EXPECT_EQ(fakes.clock.reads, 0) << waiting;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.reset(watched.data());  // still open after Exit: its end is faked
    }
    EXPECT_EQ(fakes.programExit.quits, 1);
}

// How the replay's description begins at the end of this meeting (its
// closing words are checked by the rendered graph's test).
QString endOfMeeting(const std::vector<int>& balances)
{
    return QString("Guest %1 of %1, balance %2, lowest so far %3 ")
        .arg(balances.size())
        .arg(balances.back())
        .arg(*std::min_element(balances.begin(), balances.end()));
}

// Return and Enter click the focused button, as Space does: Start runs, Init
// asks the settings again. A held key clicks once, not on every repeat.
TEST_F(MainWindowTest, ReturnAndEnterClickTheFocusedButtonOnce)
{
    open();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        for (const char* name : {"startButton", "initButton"}) {
            fakes.dialogs.answers = {"100", "100"};
            QSignalSpy clicked(button(name), &QPushButton::clicked);
            button(name)->setFocus();
            QTest::keyClick(button(name), key, modifiers);
            EXPECT_EQ(clicked.count(), 1) << name << " " << key;
        }
    }
    fakes.dialogs.answers = {"100", "100"};
    QSignalSpy clicked(button("initButton"), &QPushButton::clicked);
    button("initButton")->setFocus();
    for (int repeat = 0; repeat < 5; ++repeat) {
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(button("initButton"), &held);
    }
    EXPECT_EQ(clicked.count(), 0) << "repeats of a held key";
}

// The graph's keys as a teacher uses them: W replays meetings drawn from the
// window's own source and clock, Space, Right and End steer a replay, G
// shows the square-root law, and Escape, W and Init lead back to the
// histogram. Which view follows which is the run model's own test.
TEST_F(MainWindowTest, TheGraphKeysReplayMeetingsAndShowTheSquareRootLaw)
{
    fakes.clock.step = 0.5F;
    core::RandomGenerator sameRandom(12345);
    FakeClock sameClock(fakes.clock.seconds, fakes.clock.step);
    const std::vector<int> first = core::meetingBalances(100, sameRandom, sameClock);
    const std::vector<int> second = core::meetingBalances(100, sameRandom, sameClock);
    ASSERT_NE(first, second);
    open({"100", "30"});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };

    press(Qt::Key_W);
    EXPECT_EQ(QApplication::focusWidget(), graph());
    press(Qt::Key_Space);
    const QRegularExpression paused(R"(^Guest (\d+) of 100, balance (-?\d+)(, lowest so far (-?\d+))? )"
                                    R"(paused: Space plays on, → shows the next guest$)");
    QRegularExpressionMatch match = paused.match(graphDescription());
    ASSERT_TRUE(match.hasMatch()) << graphDescription().toStdString();
    const int shown = match.captured(1).toInt();
    press(Qt::Key_Right);
    match = paused.match(graphDescription());
    ASSERT_TRUE(match.hasMatch()) << graphDescription().toStdString();
    EXPECT_EQ(match.captured(1).toInt(), shown + 1);
    EXPECT_EQ(match.captured(2).toInt(), first[static_cast<std::size_t>(shown)]);
    EXPECT_EQ(match.captured(4).toInt(), *std::min_element(first.begin(), first.begin() + shown + 1));
    press(Qt::Key_End);
    EXPECT_TRUE(graphDescription().startsWith(endOfMeeting(first))) << graphDescription().toStdString();
    press(Qt::Key_Escape);
    EXPECT_EQ(graphDescription(), "") << "back to the histogram, with no run yet";
    press(Qt::Key_W);
    press(Qt::Key_End);
    EXPECT_TRUE(graphDescription().startsWith(endOfMeeting(second))) << "the next meeting from the same source";
    press(Qt::Key_W);
    EXPECT_EQ(graphDescription(), "");

    const QRegularExpression squareRoot(
        R"(^Square-root law\. Four times the guests need only about twice the coins\. For 95% of meetings the )"
        R"(exact coins are (\d+) at 100 guests, (\d+) at 400 and (\d+) at 1000; runs shown: (\d+)\.$)");
    press(Qt::Key_G);
    match = squareRoot.match(graphDescription());
    ASSERT_TRUE(match.hasMatch()) << graphDescription().toStdString();
    // The reflection principle's coins for 95 % of meetings (see the coins test).
    EXPECT_EQ(match.captured(1), "19");
    EXPECT_NEAR(match.captured(2).toInt(), 2 * 19, 2) << "four times the guests, about twice the coins";
    EXPECT_EQ(match.captured(3), "61");
    EXPECT_EQ(match.captured(4), "0");
    fakes.dialogs.answers = {"100", "30"};
    window->reinitialise();
    EXPECT_EQ(graphDescription(), "") << "Init shows the empty histogram";
}

}  // namespace
}  // namespace coinwell::testing
