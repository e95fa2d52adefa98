// The graph's context menu in a main window on fake services: its items,
// and what copying, saving and printing leave behind.
#include "desktop/main_window/main_window.h"
#include "support/window_fakes.h"
#include "core/drawing.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace coinwell::testing {
namespace {

class GraphMenuTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }

    void open(std::vector<QString> answers = {"100", "100"})
    {
        fakes.dialogs.answers.assign(answers.begin(), answers.end());
        window = std::make_unique<MainWindow>(fakes.services());
        window->show();
        QCoreApplication::processEvents();
    }

    QAction* item(const char* name) const { return window->findChild<QAction*>(name); }
    QWidget* graph() const { return window->findChild<QWidget*>("graphView"); }

    QString enabledItems() const
    {
        QString enabled;
        for (const char* name : {"copyGraphAction", "saveGraphImageAction", "saveResultsCsvAction", "printGraphAction",
                                 "exactLawAction", "replayAction", "replayPauseAction"}) {
            enabled += item(name)->isEnabled() ? "1" : "0";
        }
        return enabled;
    }

    QByteArray saved(const QString& name, int filter = 0, int width = 0)
    {
        const QString path = folder.filePath(name);
        fakes.dialogs.savePaths.emplace_back(path, filter);
        const bool table = name.endsWith(".csv");
        if (!table) {
            fakes.dialogs.widths.push_back(width);
        }
        item(table ? "saveResultsCsvAction" : "saveGraphImageAction")->trigger();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    FakeServices fakes;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir folder;
};

TEST_F(GraphMenuTest, ItemsNeedingAResultWaitForARunAndGoAtInit)
{
    open();
    EXPECT_EQ(enabledItems(), "0000110") << "before the first run";
    item("replayAction")->trigger();
    EXPECT_EQ(enabledItems(), "1101111") << "while a meeting is replayed: it is copied, saved and printed";
    item("saveGraphImageAction")->trigger();
    EXPECT_TRUE(fakes.dialogs.proposedPath.endsWith("coinwell-replay-100.png")) << fakes.dialogs.proposedPath.toStdString();
    window->startRun();
    EXPECT_EQ(enabledItems(), "1111110") << "after a run";
    fakes.dialogs.answers = {"10", "10"};
    window->reinitialise();
    EXPECT_EQ(enabledItems(), "0000110") << "after Init";
    fakes.dialogs.savePaths.emplace_back(folder.filePath("x.csv"), 0);
    item("saveResultsCsvAction")->trigger();
    EXPECT_EQ(fakes.dialogs.savePaths.size(), 1U) << "a disabled item asks nothing";
}

// Shift+F10 as the window system delivers it, with the graph focused. (The
// Menu key becomes a context-menu event only on a real window system.)
TEST_F(GraphMenuTest, ShiftF10OpensTheMenu)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    graph()->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(item("copyGraphAction"))) << "the graph's own menu";
    menu->close();
}

// The key T toggles the overlay in the window; the next start of the
// program finds it as it was left, on or off.
TEST_F(GraphMenuTest, TheExactLawIsRemembered)
{
    open();
    EXPECT_FALSE(item("exactLawAction")->isChecked());
    QTest::keyClick(window.get(), Qt::Key_T);
    open();
    EXPECT_TRUE(item("exactLawAction")->isChecked());
    item("exactLawAction")->trigger();
    open();
    EXPECT_FALSE(item("exactLawAction")->isChecked());
}

// The pixels of a colour in an image.
int pixelsOf(const QImage& image, core::Colour colour)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found += image.pixelColor(x, y) == QColor(colour.red, colour.green, colour.blue) ? 1 : 0;
        }
    }
    return found;
}

// The key K puts a dark green line at the coins the description names,
// in the column of their shortage; the share chosen moves it, and the next
// window finds both.
TEST_F(GraphMenuTest, TheCoinsToHaveReadyAreMarkedWhereTheDescriptionSays)
{
    const auto greenInColumn = [&](const QImage& image, int coins) {
        const QRect area = graph()->contentsRect();
        const int column = area.left() + static_cast<int>((120.5 - coins) * area.width() / 130);
        return pixelsOf(image.copy(column - 1, area.top(), 3, area.height()), core::kReadyColour);
    };
    const auto describedCoins = [&](int percent) {
        const QString description = graph()->accessibleDescription();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral(" (\\d+) coins are enough in %1% of meetings\\.$").arg(percent))
                .match(description);
        EXPECT_TRUE(match.hasMatch()) << description.toStdString();
        return match.captured(1).toInt();
    };
    open({"100", "500"});
    window->startRun();
    EXPECT_EQ(greenInColumn(graph()->grab().toImage(), 0), 0);
    QTest::keyClick(window.get(), Qt::Key_K);
    ASSERT_TRUE(item("coinsReadyAction")->isChecked());
    const int coins95 = describedCoins(95);
    const int plotHeight = graph()->contentsRect().height() * 260 / 300;
    EXPECT_GT(greenInColumn(graph()->grab().toImage(), coins95), plotHeight * 3 / 4);

    item("readyShare99Action")->trigger();
    const int coins99 = describedCoins(99);
    ASSERT_GT(coins99, coins95 + 2);
    const QImage shown99 = graph()->grab().toImage();
    EXPECT_GT(greenInColumn(shown99, coins99), plotHeight * 3 / 4);
    EXPECT_LT(greenInColumn(shown99, coins95), plotHeight / 4) << "the line has moved";

    open();
    EXPECT_TRUE(item("coinsReadyAction")->isChecked());
    EXPECT_TRUE(item("readyShare99Action")->isChecked());
}

// Copies show what the graph shows: the replay's lowest balance in orange,
// the square-root law's coins in green, neither on the plain histogram; K
// in another view shows the histogram with the coins to have ready, and C
// lays the coverage curve over it, which the graph's description tells of.
TEST_F(GraphMenuTest, CopiesPaintTheViewShown)
{
    const auto copied = [&](core::Colour colour) {
        item("copyGraphAction")->trigger();
        return pixelsOf(QGuiApplication::clipboard()->image(), colour);
    };
    open();
    window->startRun();
    EXPECT_EQ(copied(core::kExactColour) + copied(core::kReadyColour) + copied(core::kCoverageColour), 0);
    item("replayAction")->trigger();
    item("replayWholeMeetingAction")->trigger();
    EXPECT_GT(copied(core::kExactColour), 20);
    item("replayMirrorAction")->trigger();
    EXPECT_GT(copied(core::kReadyColour), 20) << "the mirror's level";
    item("squareRootAction")->trigger();
    EXPECT_GT(copied(core::kReadyColour), 100);
    QTest::keyClick(window.get(), Qt::Key_K);
    EXPECT_FALSE(item("squareRootAction")->isChecked());
    EXPECT_GT(copied(core::kReadyColour), 100) << "the coins' line on the histogram";
    QTest::keyClick(window.get(), Qt::Key_C);
    EXPECT_GT(pixelsOf(graph()->grab().toImage(), core::kCoverageColour), 100);
    EXPECT_TRUE(graph()->accessibleDescription().endsWith("each number of coins covers."));
    EXPECT_GT(copied(core::kCoverageColour), 100);
}

// What each kind of file holds adds up to the 100 experiments shown: the
// table's counts (its columns are the batch test's), the SVG's bars as
// rectangles as tall as their counts in logical units, and its expected
// counts as one line in pixels of the graph area.
TEST_F(GraphMenuTest, FilesReadBackAddUpToTheRun)
{
    open();
    window->startRun();
    item("exactLawAction")->trigger();

    const QList<QByteArray> rows = saved("run.csv").trimmed().split('\n');
    ASSERT_GT(rows.size(), 2);
    double counted = 0;
    for (const QByteArray& row : rows.mid(1)) {
        counted += row.split(',')[1].toDouble();
    }
    EXPECT_EQ(counted, 100);

    QXmlStreamReader svg(saved("graph", 1, 800));  // no suffix: the kind chosen decides
    double barHeights = 0;
    double lineHeights = 0;
    QString fill;
    QString stroke;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attributes = svg.attributes();
        if (svg.name() == u"g") {
            fill = attributes.value("fill").toString();
            stroke = attributes.value("stroke").toString();
        } else if (svg.name() == u"rect" && fill == "#0000ff") {
            barHeights += attributes.value("height").toDouble() * 300 / graph()->contentsRect().height();
        } else if (svg.name() == u"polyline" && stroke == "#e65a00") {
            for (const auto& point : attributes.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
                lineHeights += 280 - point.split(',')[1].toDouble() * 300 / graph()->contentsRect().height();
            }
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_NEAR(barHeights, 100, 0.01);
    EXPECT_NEAR(lineHeights, 100, 0.1) << "all but the far tail";

    const QImage png = QImage::fromData(saved("graph.png", 1, 1066));  // the suffix wins over the kind
    EXPECT_EQ(png.size(), QSize(1066, 762));

    item("copyGraphAction")->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), graph()->contentsRect().size() * graph()->devicePixelRatioF());
    EXPECT_EQ(copied.pixelColor(1, 1), Qt::white);

    fakes.dialogs.pdfPath = folder.filePath("print.pdf");
    item("printGraphAction")->trigger();
    QFile pdf(fakes.dialogs.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(fakes.dialogs.errors.empty());
}

// A name of a folder, a folder that does not exist and a file taken for a
// folder: one message naming the file and the reason, and nothing else.
TEST_F(GraphMenuTest, AFileThatCannotBeWrittenLeavesEverythingAsItWas)
{
    open();
    window->startRun();
    const QImage before = graph()->grab().toImage();
    QFile(folder.filePath("plain")).open(QIODevice::WriteOnly);
    QDir(folder.path()).mkdir("taken.csv");
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"taken.csv", "It is a folder."},
        {"missing/run.csv", "No such file or directory"},
        {"plain/run.csv", "Not a directory"},
        {"plain/graph.png", "Not a directory"},
    };
    for (const auto& c : cases) {
        fakes.dialogs.errors.clear();
        EXPECT_TRUE(saved(c.name, 0, 500).isEmpty());
        const QString path = QDir::toNativeSeparators(folder.filePath(c.name));
        EXPECT_EQ(fakes.dialogs.errors, std::vector<QString>{"Coinwell: " + path + " could not be saved.\n" + c.reason})
            << c.name;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"plain", "taken.csv"}));
    EXPECT_EQ(graph()->grab().toImage(), before);
    EXPECT_EQ(enabledItems(), "1111110");
}

}  // namespace
}  // namespace coinwell::testing
