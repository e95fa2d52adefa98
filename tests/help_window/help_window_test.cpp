#include "desktop/zoom.h"
#include "help_window/help_text_view.h"
#include "help_window/help_window.h"

#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <iostream>

namespace coinwell {
namespace {

constexpr qreal kDesignedPoints = 11.25;
const QSize kTextArea(601, 529);

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

int inkInRows(const QImage& image, int from, int to)
{
    int ink = 0;
    for (int y = from; y < to; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink += isInk(image.pixel(x, y));
        }
    }
    return ink;
}

// The client area at its designed place, the focus on Close, and the text
// below one empty line: the heading of the first section stands on the
// second line of the area, and the lines go on down it.
TEST(HelpWindow, OpensAtItsDesignedPlaceWithTheTextBelowOneEmptyLine)
{
    Zoom zoom;
    HelpWindow window(zoom);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Coinwell 3 _ Help (Problem and operation)");
    EXPECT_EQ(window.geometry(), QRect(206, 136, 617, 561));
    EXPECT_EQ(window.focusWidget(), window.findChild<QPushButton*>());

    HelpTextView* area = window.findChild<HelpTextView*>();
    const QImage image = area->grab().toImage().copy(area->contentsRect());
    const int line = QFontMetrics(area->textFont()).height();
    EXPECT_EQ(inkInRows(image, 0, line), 0);
    EXPECT_GT(inkInRows(image, line, 2 * line), 20);
    EXPECT_GT(inkInRows(image, image.height() / 2, image.height()), 1000);
}

// Every character shows: the lines as printed in the area leave as much ink
// as the same lines printed where nothing can cut them. Prints how far the
// widest line's end and the last line's baseline stand from the area's
// right and bottom edges.
TEST(HelpText, EveryLineShowsWholeInAnyFaceLanguageAndZoom)
{
    const struct {
        const char* face;
        qreal zoom;
        bool japanese;
    } cases[] = {
        {"IPAPGothic", 1, false}, {"IPAPGothic", 2, false}, {"DejaVu Sans", 1, false}, {"DejaVu Sans", 2, false},
        {"IPAPGothic", 1, true},  {"IPAPGothic", 2, true},  {"DejaVu Sans", 1, true},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.face) + (c.japanese ? ", Japanese, " : ", ") +
                                 std::to_string(static_cast<int>(c.zoom * 100)) + " %";
        QTranslator japanese;
        if (c.japanese) {
            ASSERT_TRUE(japanese.load(":/i18n/coinwell_ja.qm"));
            QCoreApplication::installTranslator(&japanese);
        }
        HelpTextView view;
        QFont font(c.face);
        font.setPointSizeF(kDesignedPoints * c.zoom);
        view.setFont(font);
        view.resize(kTextArea * c.zoom);
        const QRect contents = view.contentsRect();
        const QImage shown = view.grab().toImage().copy(contents);

        HelpTextView roomy;
        roomy.setFont(view.textFont());
        roomy.resize(kTextArea * c.zoom * 1.5);
        ASSERT_EQ(roomy.textFont(), view.textFont());
        const QImage uncut = roomy.grab().toImage().copy(roomy.contentsRect());
        EXPECT_EQ(inkInRows(shown, 0, shown.height()), inkInRows(uncut, 0, uncut.height())) << what;

        int rightmostInk = -1;
        for (int y = 0; y < uncut.height(); ++y) {
            for (int x = uncut.width() - 1; x > rightmostInk; --x) {
                rightmostInk = isInk(uncut.pixel(x, y)) ? x : rightmostInk;
            }
        }
        const QFontMetricsF metrics(view.textFont());
        const qreal lastBaseline = metrics.height() * static_cast<qreal>(HelpTextView::lines().size() - 1) + metrics.ascent();
        const qreal rightGap = contents.width() - 1 - rightmostInk;
        const qreal bottomGap = contents.height() - lastBaseline;
        EXPECT_GE(rightGap, 0) << what;
        EXPECT_GE(bottomGap, metrics.descent()) << what;
        // Made no smaller than it has to be.
        EXPECT_TRUE(view.textFont().pointSizeF() == kDesignedPoints * c.zoom || rightGap < contents.width() * 0.05 ||
                    bottomGap < 2 * metrics.height())
            << what;
        std::cout << what << ": " << view.textFont().pointSizeF() << " pt, widest line ends " << rightGap
                  << " px from the right edge, last baseline " << bottomGap << " px above the bottom edge\n";
        QCoreApplication::removeTranslator(&japanese);
    }
}

}  // namespace
}  // namespace coinwell
