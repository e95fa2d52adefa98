#include "desktop/fonts.h"
#include "graph/graph_view.h"
#include "window_fixture.h"

#include <QApplication>

namespace coinwell::testing {
namespace {

TEST_F(MainWindowTest, OpensWithItsClientAreaAtTheDesignedPlaceAndItsIcon)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Coinwell 3");
    EXPECT_EQ(window->geometry(), QRect(232, 99, 603, 512));
    const QImage icon = window->windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_FALSE(icon.hasAlphaChannel());
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(0, 0, 255)) << "blue ground";
    EXPECT_GT(icon.pixelColor(16, 5).red(), 200) << "yellow disc";
}

TEST_F(MainWindowTest, ControlsStandWhereTheyAreDesignedInTheirFontsAndColours)
{
    open({});
    const QPalette system = QApplication::palette();
    const QColor white(Qt::white);
    const struct {
        const char* name;
        QRect geometry;
        const char* text;
        double points;
        bool bold;
        QColor background;  // invalid: the system's
        QColor foreground;
    } cases[] = {
        {"helpButton", {488, 0, 57, 25}, "Help", 11.25, false, {}, {}},
        {"graphView", {32, 40, 537, 385}, nullptr, 9.0, false, system.color(QPalette::Button), system.color(QPalette::ButtonText)},
        {"initButton", {552, 0, 57, 25}, "Init", 11.25, false, {}, {}},
        {"exitButton", {0, 0, 57, 25}, "Exit", 11.25, false, {}, {}},
        {"startButton", {528, 448, 65, 41}, "Start", 12.0, true, {}, {}},
        {"titleLabel", {88, 0, 369, 25}, "Coinwell (Part 3)", 14.25, true, QColor(128, 255, 255), system.color(QPalette::WindowText)},
        {"guestCountCaption", {8, 440, 153, 25}, "Number of guests", 9.0, true, white, system.color(QPalette::ButtonText)},
        {"guestCountValue", {160, 440, 73, 25}, "", 14.25, false, white, system.color(QPalette::ButtonText)},
        {"averageCaption", {240, 456, 209, 25}, "Average number of shortage", 9.75, true, white, system.color(QPalette::ButtonText)},
        {"averageValue", {448, 456, 73, 25}, "", 14.25, false, white, system.color(QPalette::ButtonText)},
        {"experimentCountValue", {160, 472, 73, 25}, "", 14.25, false, white, system.color(QPalette::ButtonText)},
        {"experimentCountCaption", {8, 472, 153, 25}, "Number of experiments", 9.0, true, white, system.color(QPalette::ButtonText)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QWidget* control = child<QWidget>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), c.geometry);
        EXPECT_TRUE(control->isEnabled());
        EXPECT_EQ(control->font().family(), gothicFamily());
        EXPECT_DOUBLE_EQ(control->font().pointSizeF(), c.points);
        EXPECT_EQ(control->font().bold(), c.bold);
        if (const auto* pushButton = qobject_cast<const QPushButton*>(control)) {
            EXPECT_EQ(pushButton->text(), c.text);
            EXPECT_FALSE(pushButton->isDefault() || pushButton->autoDefault());
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            EXPECT_EQ(label->text(), c.text);
            EXPECT_EQ(label->frameShape(), QFrame::Box);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
        if (c.background.isValid()) {
            EXPECT_TRUE(control->autoFillBackground());
            EXPECT_EQ(control->palette().color(QPalette::Window), c.background);
            EXPECT_EQ(control->palette().color(QPalette::WindowText), c.foreground);
        }
    }
    EXPECT_EQ(window->palette().color(QPalette::Window), system.color(QPalette::Button));
}

// Rendered: the rule under the top row is drawn in the window-text colour
// and lies beneath the buttons it runs through.
TEST_F(MainWindowTest, TopRuleRunsAcrossBeneathTheButtons)
{
    open({});
    const QImage image = window->grab().toImage();
    const QColor rule = QApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(image.pixelColor(70, 24), rule) << "between Exit and the title";
    EXPECT_EQ(image.pixelColor(548, 24), rule) << "between Help and Init";
    EXPECT_NE(image.pixelColor(28, 24), rule) << "under Exit";
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
