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

// The items follow the run model's states, after a run and after Init too
// (the model's own test walks them through every view).
TEST_F(GraphMenuTest, ItemsFollowTheRunModel)
{
    open();
    EXPECT_EQ(enabledItems(), "0000110") << "before the first run";
    window->startRun();
    EXPECT_EQ(enabledItems(), "1111110") << "after a run";
    fakes.dialogs.answers = {"10", "10"};
    window->reinitialise();
    EXPECT_EQ(enabledItems(), "0000110") << "after Init";
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

// The next window finds the options as they were left: T's switch on and
// off, K's and the share chosen. A switch stored as true, as an earlier
// edition did, is on.
TEST_F(GraphMenuTest, TheOptionsAreRememberedFromOneWindowToTheNext)
{
    open();
    EXPECT_FALSE(item("exactLawAction")->isChecked());
    QTest::keyClick(window.get(), Qt::Key_T);
    QTest::keyClick(window.get(), Qt::Key_K);
    item("readyShare99Action")->trigger();
    open();
    EXPECT_TRUE(item("exactLawAction")->isChecked());
    EXPECT_TRUE(item("coinsReadyAction")->isChecked());
    EXPECT_TRUE(item("readyShare99Action")->isChecked());
    item("exactLawAction")->trigger();
    QSettings().setValue("graph/showCoverageCurve", "true");
    open();
    EXPECT_FALSE(item("exactLawAction")->isChecked());
    EXPECT_TRUE(item("coverageCurveAction")->isChecked());
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

// Copies show the view shown: the replay's lowest balance in orange, the
// square-root law's coins in green, neither on the plain histogram.
TEST_F(GraphMenuTest, CopiesPaintTheViewShown)
{
    const auto copied = [&](core::Colour colour) {
        item("copyGraphAction")->trigger();
        return pixelsOf(QGuiApplication::clipboard()->image(), colour);
    };
    open();
    window->startRun();
    EXPECT_EQ(copied(core::kExactColour) + copied(core::kReadyColour), 0);
    item("replayAction")->trigger();
    item("replayWholeMeetingAction")->trigger();
    EXPECT_GT(copied(core::kExactColour), 20);
    item("squareRootAction")->trigger();
    EXPECT_GT(copied(core::kReadyColour), 100);
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
    EXPECT_EQ(fakes.dialogs.proposedPath.toStdString(), folder.filePath("coinwell-100x100.png").toStdString());
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
