// Both windows on whatever screen and in whatever face ctest gives this
// test (see CMakeLists.txt): in English and Japanese, at 100 and 200 %, every
// control lies on the screen's available area and no caption is cut by its
// box.
#include "desktop/help/help_window.h"
#include "desktop/main_window/main_window.h"
#include "support/ink.h"
#include "support/window_fakes.h"

#include <QLabel>
#include <QtMath>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTranslator>

namespace coinwell::testing {
namespace {

// Text ink in the columns just inside a label's frame, or near a button's
// edges, is text its box cut.
int inkAtTheEdges(QWidget* control)
{
    const QImage image = control->grab().toImage();
    const int margin = qCeil((qobject_cast<QLabel*>(control) != nullptr ? 1 : 3) * image.devicePixelRatio());
    const QRect leftColumn(margin, margin, 1, image.height() - 2 * margin);
    return inkIn(image, leftColumn) + inkIn(image, leftColumn.translated(image.width() - 1 - 2 * margin, 0));
}

void expectReadable(QWidget* window, const std::string& what)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QRect screen = window->screen()->availableGeometry();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const std::string name = what + " " + control->metaObject()->className() + qPrintable(control->objectName());
        // The part the window shows: Init runs past its right edge by design.
        const QRect shown = control->visibleRegion().boundingRect();
        EXPECT_TRUE(screen.contains(shown.translated(control->mapToGlobal(QPoint(0, 0))))) << name;
        const auto* label = qobject_cast<QLabel*>(control);
        if ((label != nullptr && !label->text().isEmpty()) || qobject_cast<QPushButton*>(control) != nullptr) {
            EXPECT_EQ(inkAtTheEdges(control), 0) << name;
        }
    }
}

TEST(ReadableWindows, EveryControlIsOnScreenAndEveryCaptionWhole)
{
    for (const bool japanese : {false, true}) {
        QTranslator translator;
        if (japanese) {
            ASSERT_TRUE(translator.load(":/i18n/coinwell_ja.qm"));
            QCoreApplication::installTranslator(&translator);
        }
        for (const int zoomSteps : {0, 4}) {
            const std::string what = (japanese ? "Japanese, step " : "English, step ") + std::to_string(zoomSteps);
            FakeServices fakes;
            fakes.dialogs.answers = {"1000", "1000"};
            for (int step = 0; step < zoomSteps; ++step) {
                fakes.zoom.zoomIn();
            }
            MainWindow main(fakes.services());
            expectReadable(&main, what);
            main.startRun();
            expectReadable(&main, what + " after a run");
            HelpWindow help(fakes.zoom);
            expectReadable(&help, what);
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

}  // namespace
}  // namespace coinwell::testing
