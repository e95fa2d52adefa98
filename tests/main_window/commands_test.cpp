#include "window_fixture.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>

namespace coinwell::testing {
namespace {

// A click that waits in the event queue, as one made while a command runs.
void queueClick(QPushButton* button)
{
    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

QString graphDescription(QWidget* graph)
{
    return QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Description);
}

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
    EXPECT_FALSE(button("startButton")->isEnabled());
    EXPECT_TRUE(button("exitButton")->isEnabled() && button("initButton")->isEnabled());
    EXPECT_FALSE(button("helpButton")->isEnabled());
    EXPECT_TRUE(fakes.cues.played.empty());
    // With 10 guests every shortage lies between -10 and +1, and 40
    // experiments make some shortage occur at least 4 times.
    const QString description = graphDescription(child<QWidget>("graphView"));
    const auto match = QRegularExpression(R"(^40 experiments\. Average shortage (-?\d*\.\d)\. )"
                                          R"(Most frequent shortage (-?\d+), in (\d+) experiments\.$)")
                           .match(description);
    ASSERT_TRUE(match.hasMatch()) << description.toStdString();
    EXPECT_EQ(match.captured(1), text("averageValue"));
    EXPECT_TRUE(text("averageValue").toDouble() >= -10 && text("averageValue").toDouble() <= 1);
    EXPECT_TRUE(match.captured(2).toInt() >= -10 && match.captured(2).toInt() <= 1);
    EXPECT_GE(match.captured(3).toInt(), 4);
}

TEST_F(MainWindowTest, InitChimesClearsEverythingAndAsksAgainWithoutTheLeadingBlank)
{
    open();
    QWidget* graph = child<QWidget>("graphView");
    const QImage empty = graph->grab().toImage();
    window->startRun();
    ASSERT_NE(graph->grab().toImage(), empty) << "the run drew nothing";
    std::vector<QString> seen;  // Start enabled, graph empty, values
    fakes.dialogs.onQuestion = [&](const Question&) {
        seen.push_back(QString::number(button("startButton")->isEnabled()) +
                       QString::number(graph->grab().toImage() == empty && graphDescription(graph).isEmpty()) +
                       "|" + text("guestCountValue") + "|" + text("experimentCountValue") + "|" + text("averageValue"));
    };
    fakes.dialogs.questions.clear();
    fakes.dialogs.answers = {"20", "30"};

    QTest::mouseClick(button("initButton"), Qt::LeftButton);

    EXPECT_EQ(fakes.cues.played, std::vector<Cue>{Cue::Rising});
    ASSERT_EQ(fakes.dialogs.questions.size(), 2U);
    EXPECT_EQ(fakes.dialogs.questions[0].title, "Setting the number of guests");
    EXPECT_EQ(fakes.dialogs.questions[1].title, "Setting the number of experiments");
    EXPECT_EQ(seen, (std::vector<QString>{"11|||", "11|20||"}));
    EXPECT_EQ(text("experimentCountValue"), "30");

    fakes.dialogs.answers = {""};
    window->reinitialise();
    EXPECT_EQ(fakes.programExit.quits, 1) << "an Init ended from its dialog";
}

TEST_F(MainWindowTest, ExitChimesGivesTheNoticeAndEnds)
{
    open();
    QTest::mouseClick(button("exitButton"), Qt::LeftButton);
    EXPECT_EQ(fakes.cues.played, std::vector<Cue>{Cue::Falling});
    EXPECT_EQ(fakes.dialogs.notices, std::vector<QString>{"Coinwell: This software will exit."});
    EXPECT_EQ(fakes.programExit.quits, 1);
}

TEST_F(MainWindowTest, HelpChimesClosesTheWindowAndAsksForTheHelpWindow)
{
    open();
    QSignalSpy helpRequested(window.get(), &MainWindow::helpRequested);
    QTest::mouseClick(button("helpButton"), Qt::LeftButton);
    EXPECT_EQ(fakes.cues.played, std::vector<Cue>{Cue::Rising});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(helpRequested.count(), 1);
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
    window->startRun();
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

}  // namespace
}  // namespace coinwell::testing
