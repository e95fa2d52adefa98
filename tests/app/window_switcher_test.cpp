// Exactly one window at a time, and the program's end when none is left.
#include "support/main_window_fakes.h"
#include "app/window_switcher.h"
#include "help_window/help_window.h"
#include "main_window/main_window.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace coinwell::testing {
namespace {

class WindowSwitcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes.dialogs.answers = {"100", "100", "100", "100"};
        switcher.showMainWindow();
        QCoreApplication::processEvents();
    }

    // Lets closed windows go, as the event loop does.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class Window>
    Window* current() const
    {
        return qobject_cast<Window*>(switcher.current());
    }

    void click(const char* button) const
    {
        QTest::mouseClick(switcher.current()->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    FakeServices fakes;
    WindowSwitcher switcher{fakes.services()};
};

TEST_F(WindowSwitcherTest, HelpAndCloseSwapTheWindowsAndTheNewMainWindowAsksAgain)
{
    click("helpButton");
    settle();
    ASSERT_NE(current<HelpWindow>(), nullptr);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);

    QTest::mouseClick(current<HelpWindow>()->findChild<QPushButton*>(), Qt::LeftButton);
    settle();
    ASSERT_NE(current<MainWindow>(), nullptr);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
    EXPECT_EQ(fakes.dialogs.questions.size(), 4U) << "both settings asked again";
    EXPECT_TRUE(current<MainWindow>()->findChild<QPushButton*>("startButton")->isEnabled());
    EXPECT_EQ(fakes.programExit.quits, 0);
}

TEST_F(WindowSwitcherTest, TheHelpWindowsCloseBoxAlsoBringsTheMainWindowBack)
{
    click("helpButton");
    settle();
    current<HelpWindow>()->close();
    settle();
    EXPECT_NE(current<MainWindow>(), nullptr);
    EXPECT_EQ(fakes.programExit.quits, 0);
}

TEST_F(WindowSwitcherTest, TheMainWindowsCloseBoxEndsTheProgramWithoutTheNotice)
{
    switcher.current()->close();
    settle();
    EXPECT_EQ(switcher.current(), nullptr);
    EXPECT_EQ(fakes.programExit.quits, 1);
    EXPECT_TRUE(fakes.dialogs.notices.empty());
}

}  // namespace
}  // namespace coinwell::testing
