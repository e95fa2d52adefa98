#include "desktop/toolkit/zoom.h"
#include "desktop/help/help_text_view.h"
#include "desktop/help/help_window.h"
#include "support/ink.h"

#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <iostream>

namespace coinwell {
namespace {

constexpr qreal kDesignedPoints = 11.25;
const QSize kTextArea(601, 529);

using testing::inkIn;

// The focus on Close, which Return presses, and the text below one empty
// line: the heading of the first section stands on the second line of the
// area, and the lines go on down it.
TEST(HelpWindow, OpensWithTheFocusOnCloseAndTheTextBelowOneEmptyLine)
{
    Zoom zoom;
    HelpWindow window(zoom);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.focusWidget(), window.findChild<QPushButton*>());

    HelpTextView* area = window.findChild<HelpTextView*>();
    const QImage image = area->grab().toImage().copy(area->contentsRect());
    const int line = QFontMetrics(area->textFont()).height();
    EXPECT_EQ(inkIn(image, QRect(0, 0, image.width(), line)), 0);
    EXPECT_GT(inkIn(image, QRect(0, line, image.width(), line)), 20);

    QTest::keyClick(window.findChild<QPushButton*>(), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
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
        const std::string what = c.face + std::string(c.japanese ? " Japanese " : " ") + std::to_string(c.zoom);
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
        EXPECT_EQ(inkIn(shown, shown.rect()), inkIn(uncut, uncut.rect())) << what;

        const QFontMetricsF metrics(view.textFont());
        const qreal rightGap = contents.width() - 1 - testing::rightmostInk(uncut, 0, uncut.height() - 1);
        const qreal bottomGap = contents.height() - metrics.ascent() - metrics.height() * (view.lines().size() - 1);
        EXPECT_GE(rightGap, 0) << what;
        EXPECT_GE(bottomGap, metrics.descent()) << what;
        // Made no smaller than it has to be.
        EXPECT_TRUE(view.textFont().pointSizeF() == kDesignedPoints * c.zoom || rightGap < contents.width() * 0.05 ||
                    bottomGap < 2 * metrics.height())
            << what;
        std::cout << what << ": " << view.textFont().pointSizeF() << " pt, right " << rightGap << " px, baseline "
                  << bottomGap << " px from the edges\n";
        QCoreApplication::removeTranslator(&japanese);
    }
}

}  // namespace
}  // namespace coinwell
