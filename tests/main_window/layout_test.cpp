#include "fakes.h"
#include "main_window/form1.h"
#include "platform/forms/fonts.h"
#include "platform/forms/line_control.h"
#include "platform/forms/picture_box.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace coinwell::testing {
namespace {

class Form1LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { form = std::make_unique<main_window::Form1>(fakes.Services()); }

    FakeServices fakes;
    std::unique_ptr<main_window::Form1> form;
};

TEST_F(Form1LayoutTest, WindowOpensAtItsDesignPositionAndSize)
{
    EXPECT_EQ(form->windowTitle(), "Coinwell 3");
    EXPECT_EQ(form->pos(), QPoint(232, 99));
    EXPECT_EQ(form->size(), QSize(603, 512));
    const QImage icon = form->windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_FALSE(icon.hasAlphaChannel());
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(0, 0, 255)) << "blue ground";
    const QColor centre = icon.pixelColor(16, 5);
    EXPECT_GT(centre.red(), 200) << "yellow disc";
    EXPECT_GT(centre.green(), 150);
}

struct ControlCase {
    const char* name;
    QRect geometry;
    const char* caption;
    double points;
    bool bold;
};

TEST_F(Form1LayoutTest, ControlsStandWhereTheLayoutPutsThem)
{
    const ControlCase cases[] = {
        {"Command4", {488, 0, 57, 25}, "Help", 11.25, false},
        {"Picture1", {32, 40, 537, 385}, "", 9.0, false},
        {"Command3", {552, 0, 57, 25}, "Init", 11.25, false},
        {"Command2", {0, 0, 57, 25}, "Exit", 11.25, false},
        {"Command1", {528, 448, 65, 41}, "Start", 12.0, true},
        {"Label84", {88, 0, 369, 25}, "Coinwell (Part 3)", 14.25, true},
        {"Label83", {8, 440, 153, 25}, "Number of guests", 9.0, true},
        {"Label82", {160, 440, 73, 25}, "", 14.25, false},
        {"Label4", {240, 456, 209, 25}, "Average number of shortage", 9.75, true},
        {"Label3", {448, 456, 73, 25}, "", 14.25, false},
        {"Label2", {160, 472, 73, 25}, "", 14.25, false},
        {"Label1", {8, 472, 153, 25}, "Number of experiments", 9.0, true},
    };
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QWidget* widget = form->findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_TRUE(widget->isEnabled());
        EXPECT_EQ(widget->font().family(), platform::GothicFamily());
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.points);
        EXPECT_EQ(widget->font().bold(), c.bold);
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), c.caption);
            EXPECT_FALSE(button->isDefault());
            EXPECT_FALSE(button->autoDefault());
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->text(), c.caption);
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
            EXPECT_EQ(label->frameShape(), QFrame::Box);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        }
    }
    EXPECT_EQ(form->findChild<QWidget*>("MMControl1"), nullptr) << "never shown";
}

TEST_F(Form1LayoutTest, LabelColours)
{
    const struct {
        const char* name;
        QColor background;
        QPalette::ColorRole text;
    } cases[] = {
        {"Label84", QColor(128, 255, 255), QPalette::WindowText},
        {"Label83", Qt::white, QPalette::ButtonText},
        {"Label82", Qt::white, QPalette::ButtonText},
        {"Label3", Qt::white, QPalette::ButtonText},
    };
    const QPalette system = QApplication::palette();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QLabel* label = form->Label(c.name);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), c.background);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), system.color(c.text));
    }
    EXPECT_EQ(form->palette().color(QPalette::Window), system.color(QPalette::Button));
    EXPECT_EQ(form->Picture("Picture1")->palette().color(QPalette::Window), system.color(QPalette::Button));
}

TEST_F(Form1LayoutTest, LineSetsOffTheTopRowBeneathTheButtons)
{
    const platform::LineControl* line = form->Line("Line1");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->From(), QPoint(0, 24));
    EXPECT_EQ(line->To(), QPoint(600, 24));
    EXPECT_EQ(form->children().indexOf(const_cast<platform::LineControl*>(line)), 0)
        << "lowest in the stacking order";
}

TEST_F(Form1LayoutTest, TabOrderRunsFromStartAndStartHasTheFocus)
{
    form->show();
    QApplication::setActiveWindow(form.get());
    QCoreApplication::processEvents();
    const char* expected[] = {"Command1", "Command2", "Command3", "Picture1", "Command4", "Command1"};
    QWidget* widget = form->Button("Command1");
    EXPECT_EQ(form->focusWidget(), widget);
    for (const char* name : expected) {
        EXPECT_EQ(widget->objectName(), name);
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus) {
            widget = widget->nextInFocusChain();
        }
    }
}

TEST_F(Form1LayoutTest, PictureScaleMapsUserPointsToPixels)
{
    const platform::PictureBox& picture = *form->Picture("Picture1");
    EXPECT_EQ(picture.contentsRect(), QRect(2, 2, 533, 381)) << "two-pixel sunken border";
    const struct {
        float x, y;
        QPoint pixel;
    } cases[] = {
        {0, 0, {0, 0}},
        {65, 150, {267, 191}},
        {130, 300, {533, 381}},
        {120, 280, {492, 356}},
        {10, 230, {41, 292}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(picture.ToPixel(c.x, c.y), c.pixel) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace coinwell::testing
