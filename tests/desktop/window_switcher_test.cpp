// Exactly one window at a time, and the program's end when none is left.
#include "desktop/window_switcher.h"
#include "desktop/help/help_window.h"
#include "desktop/main_window/main_window.h"
#include "support/window_fakes.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>


namespace coinwell::testing {
namespace {

// Lets closed windows go, as the event loop does.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

TEST(WindowSwitcher, HelpSwapsTheWindowsAndOnlyTheMainWindowsCloseBoxEndsTheProgram)
{
    for (const bool closeBox : {false, true}) {
        FakeServices fakes;
        fakes.dialogs.answers = {"100", "100", "100", "100"};
        WindowSwitcher switcher(fakes.services());
        switcher.showMainWindow();
        settle();
        switcher.current()->findChild<QPushButton*>("startButton")->click();
        click(switcher.current(), "helpButton");
        settle();
        ASSERT_NE(qobject_cast<HelpWindow*>(switcher.current()), nullptr);
        closeBox ? void(switcher.current()->close()) : click(switcher.current(), nullptr);  // its one button
        settle();
        ASSERT_NE(qobject_cast<MainWindow*>(switcher.current()), nullptr);
        EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
        EXPECT_EQ(fakes.dialogs.questions.size(), 4U) << "both settings asked again";
        EXPECT_TRUE(switcher.current()->findChild<QPushButton*>("startButton")->isEnabled());
        EXPECT_EQ(fakes.programExit.quits, 0);
        // The square-root law still shows the run the first window made.
        switcher.current()->activateWindow();
        QTest::keyClick(switcher.current(), Qt::Key_G);
        const QString described = QAccessible::queryAccessibleInterface(switcher.current()->findChild<QWidget*>("graphView"))
                                      ->text(QAccessible::Description);
        EXPECT_TRUE(described.endsWith("runs shown: 1.")) << described.toStdString();

        // The main window's close box ends the program, without Exit's notice.
        switcher.current()->close();
        settle();
        EXPECT_EQ(switcher.current(), nullptr);
        EXPECT_EQ(fakes.programExit.quits, 1);
        EXPECT_TRUE(fakes.dialogs.notices.empty());
    }
}

}  // namespace
}  // namespace coinwell::testing
