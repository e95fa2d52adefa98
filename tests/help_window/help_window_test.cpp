#include "help_window/help_window.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace coinwell {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* child(const char* className) const
    {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->inherits(className)) {
                return widget;
            }
        }
        ADD_FAILURE() << "no " << className;
        return nullptr;
    }

    HelpWindow window;
};

TEST_F(HelpWindowTest, OpensWithItsLayoutAndTheFocusOnClose)
{
    EXPECT_EQ(window.windowTitle(), "Coinwell 3 _ Help (Problem and operation)");
    EXPECT_EQ(window.geometry(), QRect(206, 136, 617, 561));
    EXPECT_EQ(child("coinwell::HelpTextView")->geometry(), QRect(8, 32, 601, 529));
    auto* close = qobject_cast<QPushButton*>(child("QPushButton"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->geometry(), QRect(560, 0, 49, 25));
    EXPECT_EQ(window.focusWidget(), close);
}

// The first text line of the area stays empty; the heading of the first
// section stands on the second.
TEST_F(HelpWindowTest, TextStartsOnTheSecondLineAtTheLeftEdge)
{
    QWidget* area = child("coinwell::HelpTextView");
    const QImage image = area->grab().toImage();
    const QFontMetrics metrics(area->font());
    const auto inkInRows = [&](int from, int to) {
        int ink = 0;
        for (int y = from; y < to; ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                ink += image.pixelColor(x, y).lightness() < 128;
            }
        }
        return ink;
    };
    EXPECT_EQ(inkInRows(2, 2 + metrics.height()), 0);
    EXPECT_GT(inkInRows(2 + metrics.height(), 2 + 2 * metrics.height()), 20);
    EXPECT_GT(inkInRows(image.height() / 2, image.height() - 2), 1000) << "the lines go on down the area";
}

TEST_F(HelpWindowTest, CloseAndTheCloseBoxBothHandBackToTheMainWindow)
{
    const std::function<void(HelpWindow&)> ways[] = {
        [](HelpWindow& help) { QTest::mouseClick(help.findChild<QPushButton*>(), Qt::LeftButton); },
        [](HelpWindow& help) { help.close(); },
    };
    for (const auto& leave : ways) {
        HelpWindow help;
        help.show();
        QSignalSpy back(&help, &HelpWindow::backRequested);
        leave(help);
        EXPECT_EQ(back.count(), 1);
        EXPECT_FALSE(help.isVisible());
    }
}

}  // namespace
}  // namespace coinwell
