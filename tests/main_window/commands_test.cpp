#include "number_text/one_decimal.h"
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

QString accessibleText(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface != nullptr ? interface->text(text) : QStringLiteral("<none>");
}

TEST_F(MainWindowTest, StartRunsUnderTheHourglassAndLeavesOnlyExitAndInitEnabled)
{
    open({"100", "100"});
    button("helpButton")->setEnabled(false);  // Help is left as it was
    int readsUnderHourglass = 0;
    fakes.clock.onRead = [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        readsUnderHourglass += cursor != nullptr && cursor->shape() == Qt::WaitCursor &&
                               !button("exitButton")->isEnabled() && !button("initButton")->isEnabled();
    };

    QTest::mouseClick(button("startButton"), Qt::LeftButton);

    EXPECT_EQ(readsUnderHourglass, 100) << "one re-seed per experiment";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(button("startButton")->isEnabled());
    EXPECT_TRUE(button("exitButton")->isEnabled());
    EXPECT_TRUE(button("initButton")->isEnabled());
    EXPECT_FALSE(button("helpButton")->isEnabled());
    // With 100 guests every shortage lies between -100 and +1.
    const double average = text("averageValue").toDouble();
    EXPECT_GE(average, -100.0);
    EXPECT_LE(average, 1.0);
    EXPECT_TRUE(fakes.cues.played.empty());
}

TEST_F(MainWindowTest, GraphDescriptionStatesTheResultAndGoesWithInit)
{
    open({"10", "40"});
    QWidget* graph = child<QWidget>("graphView");
    EXPECT_EQ(accessibleText(graph, QAccessible::Name), "Frequency-distribution graph");
    EXPECT_TRUE(accessibleText(graph, QAccessible::Description).isEmpty());

    window->startRun();

    const QString description = accessibleText(graph, QAccessible::Description);
    EXPECT_TRUE(description.startsWith("40 experiments. Average shortage " + text("averageValue") + "."))
        << description.toStdString();
    // With 10 guests the shortage lies between -10 and +1, and 40 experiments
    // make some shortage occur at least 4 times.
    const auto match = QRegularExpression(R"(Most frequent shortage (-?\d+), in (\d+) experiments\.$)").match(description);
    ASSERT_TRUE(match.hasMatch()) << description.toStdString();
    EXPECT_GE(match.captured(1).toInt(), -10);
    EXPECT_LE(match.captured(1).toInt(), 1);
    EXPECT_GE(match.captured(2).toInt(), 4);

    fakes.dialogs.answers = {"10", "40"};
    window->reinitialise();
    EXPECT_TRUE(accessibleText(graph, QAccessible::Description).isEmpty());
}

TEST_F(MainWindowTest, InitChimesClearsEverythingAndAsksAgainWithoutTheLeadingBlank)
{
    open();
    window->startRun();
    QWidget* graph = child<QWidget>("graphView");
    QImage blank(graph->size(), QImage::Format_RGB32);
    blank.fill(Qt::red);
    const auto render = [&] {
        QImage image = blank;
        graph->render(&image);
        return image;
    };
    const QImage empty = [&] {
        MainWindow fresh(fakes.services());
        QImage image = blank;
        fresh.findChild<QWidget*>("graphView")->render(&image);
        return image;
    }();
    ASSERT_NE(render(), empty) << "the run drew nothing";

    struct Seen {
        bool startEnabled;
        bool graphEmpty;
        QString values;
    };
    std::vector<Seen> seen;
    fakes.dialogs.onQuestion = [&](const Question&) {
        seen.push_back({button("startButton")->isEnabled(), render() == empty,
                        text("guestCountValue") + "|" + text("experimentCountValue") + "|" + text("averageValue")});
    };
    fakes.dialogs.questions.clear();
    fakes.dialogs.answers = {"20", "30"};

    QTest::mouseClick(button("initButton"), Qt::LeftButton);

    EXPECT_EQ(fakes.cues.played, std::vector<Cue>{Cue::Rising});
    ASSERT_EQ(fakes.dialogs.questions.size(), 2U);
    EXPECT_EQ(fakes.dialogs.questions[0].title, "Setting the number of guests");
    EXPECT_EQ(fakes.dialogs.questions[1].title, "Setting the number of experiments");
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_TRUE(seen[0].startEnabled);
    EXPECT_TRUE(seen[0].graphEmpty);
    EXPECT_EQ(seen[0].values, "||");
    EXPECT_EQ(seen[1].values, "20||");
    EXPECT_EQ(text("experimentCountValue"), "30");
}

TEST_F(MainWindowTest, AnInitEndedFromItsDialogTouchesNothingMore)
{
    open();
    window->startRun();
    fakes.dialogs.answers = {""};
    window->reinitialise();
    EXPECT_EQ(fakes.programExit.quits, 1);
    EXPECT_EQ(fakes.dialogs.questions.size(), 3U);
    EXPECT_EQ(text("experimentCountValue"), "");
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

TEST_F(MainWindowTest, ASecondClickWaitingInTheQueueMakesNoSecondRun)
{
    open({"50", "20"});
    queueClick(button("startButton"));
    window->startRun();
    QCoreApplication::processEvents();
    EXPECT_EQ(fakes.clock.reads, 20) << "the experiments of exactly one run";
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

TEST_F(MainWindowTest, AWaitingInitAsksFirstAndTheRunUsesTheNewSettings)
{
    open();
    fakes.dialogs.answers = {"10", "7"};
    queueClick(button("initButton"));
    window->startRun();
    EXPECT_EQ(fakes.clock.reads, 7);
    EXPECT_FALSE(button("startButton")->isEnabled());
}

}  // namespace
}  // namespace coinwell::testing
