#include "help_window/help_text_view.h"
#include "help_window/help_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>


namespace coinwell {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    HelpWindow window;
};

TEST_F(HelpWindowTest, OpensWithItsClientAreaAtTheDesignedPlaceAndTheFocusOnClose)
{
    EXPECT_EQ(window.windowTitle(), "Coinwell 3 _ Help (Problem and operation)");
    EXPECT_EQ(window.geometry(), QRect(206, 136, 617, 561));
    EXPECT_EQ(window.focusWidget(), window.findChild<QPushButton*>());
}

// The first text line of the area stays empty; the heading of the first
// section stands on the second.
TEST_F(HelpWindowTest, TextStartsOnTheSecondLineAtTheLeftEdge)
{
    HelpTextView* area = window.findChild<HelpTextView*>();
    ASSERT_NE(area, nullptr);
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

}  // namespace
}  // namespace coinwell
