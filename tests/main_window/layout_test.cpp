#include "window_fixture.h"

#include <QApplication>

namespace coinwell::testing {
namespace {

TEST_F(MainWindowTest, OpensWithItsClientAreaAtTheDesignedPlace)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Coinwell 3");
    EXPECT_EQ(window->geometry(), QRect(232, 99, 603, 512));
}

// Rendered: the title in the window-text colour on light cyan, the values
// in the button-text colour on white, and the rule under the top row in
// the window-text colour beneath the buttons it runs through.
TEST_F(MainWindowTest, LabelsAndTheRuleTakeTheirDesignedColours)
{
    const QPalette saved = QApplication::palette();
    QPalette system = saved;  // two text colours that can be told apart
    system.setColor(QPalette::WindowText, QColor(200, 0, 0));
    system.setColor(QPalette::ButtonText, QColor(0, 0, 200));
    QApplication::setPalette(system);
    open({"1000", "1000"});
    const QImage image = window->grab().toImage();
    QApplication::setPalette(saved);
    const auto colours = [&](QRect area) {
        QSet<QRgb> found;
        for (int y = area.top() + 2; y < area.bottom() - 1; ++y) {
            for (int x = area.left() + 2; x < area.right() - 1; ++x) {
                found.insert(image.pixel(x, y));
            }
        }
        return found;
    };
    const QSet<QRgb> title = colours({88, 0, 369, 25});
    EXPECT_TRUE(title.contains(qRgb(128, 255, 255)));
    EXPECT_TRUE(title.contains(system.color(QPalette::WindowText).rgb()));
    const QSet<QRgb> guests = colours({160, 440, 73, 25});
    EXPECT_TRUE(guests.contains(qRgb(255, 255, 255)));
    EXPECT_TRUE(guests.contains(system.color(QPalette::ButtonText).rgb()));
    EXPECT_EQ(image.pixelColor(70, 24), system.color(QPalette::WindowText)) << "rule between Exit and the title";
    EXPECT_NE(image.pixelColor(28, 24), system.color(QPalette::WindowText)) << "rule under Exit";
}

TEST_F(MainWindowTest, StartHasTheFocusAndTabGoesStartExitInitGraphHelp)
{
    open();
    QApplication::setActiveWindow(window.get());
    QCoreApplication::processEvents();
    QWidget* control = button("startButton");
    EXPECT_EQ(window->focusWidget(), control);
    for (const char* name : {"startButton", "exitButton", "initButton", "graphView", "helpButton", "startButton"}) {
        EXPECT_EQ(control->objectName(), name);
        do {
            control = control->nextInFocusChain();
        } while (control->focusPolicy() == Qt::NoFocus);
    }
}

}  // namespace
}  // namespace coinwell::testing
