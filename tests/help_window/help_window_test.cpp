#include "help_window/help_text_view.h"
#include "help_window/help_window.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace coinwell {
namespace {

// The client area at its designed place, the focus on Close, and the text
// below one empty line: the heading of the first section stands on the
// second line of the area, and the lines go on down it.
TEST(HelpWindow, OpensAtItsDesignedPlaceWithTheTextBelowOneEmptyLine)
{
    HelpWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Coinwell 3 _ Help (Problem and operation)");
    EXPECT_EQ(window.geometry(), QRect(206, 136, 617, 561));
    EXPECT_EQ(window.focusWidget(), window.findChild<QPushButton*>());

    HelpTextView* area = window.findChild<HelpTextView*>();
    const QImage image = area->grab().toImage();
    const int line = QFontMetrics(area->font()).height();
    const auto inkInRows = [&](int from, int to) {
        int ink = 0;
        for (int y = from; y < to; ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                ink += image.pixelColor(x, y).lightness() < 128;
            }
        }
        return ink;
    };
    EXPECT_EQ(inkInRows(2, 2 + line), 0);
    EXPECT_GT(inkInRows(2 + line, 2 + 2 * line), 20);
    EXPECT_GT(inkInRows(image.height() / 2, image.height() - 2), 1000);
}

}  // namespace
}  // namespace coinwell
