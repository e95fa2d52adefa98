// A main window on fake services: its questions, its buttons and keys, and
// the graph's context menu, with what copying, saving and printing leave
// behind; the dialogs and the menu at the zoom's size.
#include "core/experiment.h"
#include "desktop/main_window/main_window.h"
#include "support/ink.h"
#include "support/window_fakes.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <numeric>

namespace coinwell::testing {
namespace {

const QString kGuestsQuestion = " Setting the number of guests|Please enter an integer between 10 and 1000 ...|100";
const QString kExperimentsQuestion =
    " Setting the number of experiments|Please enter an integer between 1 and 1000 ...|100";
const QString kExitNotice = "Coinwell: This software will exit.";

// A main window on fake services, shown and with its questions answered.
class MainWindowTest : public ::testing::Test {
protected:
    // What the graph shows over the histogram is remembered from one window
    // to the next.
    void SetUp() override { QSettings().clear(); }

    void open(const std::vector<QString>& answers = {"100", "100"})
    {
        fakes.dialogs.answers.assign(answers.begin(), answers.end());
        window.reset();
        window = std::make_unique<MainWindow>(fakes.services());
        window->show();
        QCoreApplication::processEvents();
    }

    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
    QAction* item(const char* name) const { return window->findChild<QAction*>(name); }
    QString text(const char* label) const { return window->findChild<QLabel*>(label)->text(); }
    QWidget* graph() const { return window->findChild<QWidget*>("graphView"); }
    QString graphDescription() const
    {
        return QAccessible::queryAccessibleInterface(graph())->text(QAccessible::Description);
    }
    QString spoken(const char* label) const
    {
        return QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(label))->text(QAccessible::Name);
    }

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

// The graph's context menu.
using GraphMenuTest = MainWindowTest;

// A click that waits in the event queue, as one made while a command runs.
void queueClick(QPushButton* button)
{
    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

// Each question comes again from the default until its entry is a count in
// range (the core's rule, tested there); blanks are an entry, not Cancel.
// The questions come once, when the window is made.
TEST_F(MainWindowTest, AsksEachSettingAgainUntilItsEntryIsTaken)
{
    open({"9", "   ", "12", "0", "3"});
    window->hide();
    window->show();
    QCoreApplication::processEvents();

    EXPECT_EQ(text("guestCountValue") + "|" + text("experimentCountValue"), "12|3");
    EXPECT_EQ(fakes.dialogs.questions, (std::vector<QString>{kGuestsQuestion, kGuestsQuestion, kGuestsQuestion,
                                                             kExperimentsQuestion, kExperimentsQuestion}));
    EXPECT_EQ(fakes.programExit.quits, 0);
    window->startRun();
    EXPECT_EQ(fakes.clock.reads, 3) << "one re-seed per experiment";
}

TEST_F(MainWindowTest, StartRunsUnderTheHourglassAndLeavesOnlyExitAndInitEnabled)
{
    open({"10", "40"});
    button("helpButton")->setEnabled(false);  // Help is left as it was
    int readsUnderHourglass = 0;
    fakes.clock.onRead = [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        readsUnderHourglass += cursor != nullptr && cursor->shape() == Qt::WaitCursor &&
                               !button("exitButton")->isEnabled() && !button("initButton")->isEnabled();
    };

    QTest::mouseClick(button("startButton"), Qt::LeftButton);

    EXPECT_EQ(readsUnderHourglass, 40);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(button("startButton")->isEnabled() || button("helpButton")->isEnabled());
    EXPECT_TRUE(button("exitButton")->isEnabled() && button("initButton")->isEnabled());
    EXPECT_TRUE(fakes.cues.played.empty());
    // The description is the core's sentence, with the average the window shows.
    EXPECT_TRUE(graphDescription().startsWith("40 experiments. Average shortage " + text("averageValue") +
                                              ". Most frequent shortage "))
        << graphDescription().toStdString();
    EXPECT_EQ(spoken("averageValue"), "Average number of shortage: " + text("averageValue"));
}

// The guests label shows its count while the experiments are asked, and a
// screen reader hears it with its caption. The graph's menu items follow the
// run model's states before the first run and after Init (after a run: the
// test of a file that cannot be written).
TEST_F(MainWindowTest, InitChimesClearsEverythingAndAsksAgainWithoutTheLeadingBlank)
{
    open();
    EXPECT_EQ(enabledItems(), "0000110") << "before the first run";
    const QImage empty = graph()->grab().toImage();
    window->startRun();
    ASSERT_NE(graph()->grab().toImage(), empty) << "the run drew nothing";
    std::vector<QString> seen;  // Start enabled, graph empty, values
    fakes.dialogs.onQuestion = [&] {
        seen.push_back(QString::number(button("startButton")->isEnabled()) +
                       QString::number(graph()->grab().toImage() == empty && graphDescription().isEmpty()) + "|" +
                       text("guestCountValue") + "|" + text("experimentCountValue") + "|" + text("averageValue") +
                       "|" + spoken("guestCountValue") + "|" + spoken("averageValue"));
    };
    fakes.dialogs.questions.clear();
    fakes.dialogs.answers = {"20", "30"};

    QTest::mouseClick(button("initButton"), Qt::LeftButton);

    EXPECT_EQ(fakes.cues.played, std::vector<Cue>{Cue::Rising});
    EXPECT_EQ(fakes.dialogs.questions, (std::vector<QString>{kGuestsQuestion.mid(1), kExperimentsQuestion.mid(1)}));
    EXPECT_EQ(seen, (std::vector<QString>{"11||||Number of guests|Average number of shortage",
                                          "11|20|||Number of guests: 20|Average number of shortage"}));
    EXPECT_EQ(spoken("experimentCountValue"), "Number of experiments: 30");
    EXPECT_EQ(enabledItems(), "0000110") << "after Init";

    fakes.dialogs.answers = {"250", ""};  // an empty entry ends the program at once
    window->reinitialise();
    EXPECT_EQ(fakes.dialogs.notices, std::vector<QString>{kExitNotice});
    EXPECT_EQ(fakes.programExit.quits, 1);
    EXPECT_EQ(fakes.dialogs.questions.size(), 4U);
    EXPECT_EQ(text("guestCountValue") + "|" + text("experimentCountValue"), "250|");
}

// Help's window in place of this one is the window switcher's test.
TEST_F(MainWindowTest, ExitEndsAfterItsNoticeAndExitAndHelpChime)
{
    open();
    QTest::mouseClick(button("exitButton"), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.notices, std::vector<QString>{kExitNotice});
    EXPECT_EQ(fakes.programExit.quits, 1);
    open();
    QTest::mouseClick(button("helpButton"), Qt::LeftButton);
    EXPECT_EQ(fakes.cues.played, (std::vector<Cue>{Cue::Falling, Cue::Rising}));
}

// Clicks made while a command runs wait, and Start handles them before its
// run: a second Start makes no second run, a waiting Init asks first and
// the run takes its settings, and Help or Exit take the window away, with
// no run at all.
TEST_F(MainWindowTest, ClicksWaitingBeforeStartAreHandledFirst)
{
    const struct {
        std::vector<const char*> waiting;
        int reads;  // one per experiment run
    } cases[] = {{{"startButton"}, 20}, {{"initButton", "startButton"}, 7}, {{"helpButton"}, 0}, {{"exitButton"}, 0}};
    for (const auto& c : cases) {
        open({"50", "20", "10", "7"});
        fakes.clock.reads = 0;
        window->setAttribute(Qt::WA_DeleteOnClose);
        const QPointer<MainWindow> watched = window.release();
        for (const char* name : c.waiting) {
            queueClick(watched->findChild<QPushButton*>(name));
        }
        watched->startRun();
        QCoreApplication::processEvents();
        EXPECT_EQ(fakes.clock.reads, c.reads) << c.waiting.front();
        EXPECT_TRUE(watched.isNull() || !watched->findChild<QPushButton*>("startButton")->isEnabled()) << "until Init";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.reset(watched.data());  // Help's is gone; Exit's still open, its end faked
    }
    EXPECT_EQ(fakes.programExit.quits, 1);
}

// Return and Enter click the focused button once, as Space does (Return on
// Start is the end-to-end test's); a held key clicks once, not on every
// repeat.
TEST_F(MainWindowTest, ReturnAndEnterClickTheFocusedButtonOnce)
{
    open();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool repeat;
        int clicks;
    } presses[] = {{Qt::Key_Return, Qt::NoModifier, false, 1}, {Qt::Key_Enter, Qt::KeypadModifier, false, 1},
                   {Qt::Key_Return, Qt::NoModifier, true, 0}};
    button("initButton")->setFocus();
    for (const auto& p : presses) {
        fakes.dialogs.answers = {"100", "100"};
        QSignalSpy clicked(button("initButton"), &QPushButton::clicked);
        QKeyEvent press(QEvent::KeyPress, p.key, p.modifiers, QString(), p.repeat);
        QCoreApplication::sendEvent(button("initButton"), &press);
        EXPECT_EQ(clicked.count(), p.clicks) << p.key << (p.repeat ? ", held" : "");
    }
}

// The graph's keys from the window: W replays a meeting drawn from the
// window's own source and clock and gives the graph the focus, where Space
// pauses it; End shows the whole meeting, M mirrors it, Escape shows the
// histogram again. Space on a focused button presses the button. Which view
// follows which command, and where the mirror stands and moves, are the
// core's tests (RunModel, ReplayMirror).
TEST_F(MainWindowTest, TheGraphKeysReachTheReplayAndSpaceOnlyFromTheGraph)
{
    fakes.clock.step = 0.5F;
    core::RandomGenerator sameRandom(12345);
    FakeClock sameClock(fakes.clock.seconds, fakes.clock.step);
    const std::vector<int> meeting = core::meetingBalances(100, sameRandom, sameClock);
    open({"100", "30"});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };

    press(Qt::Key_W);
    EXPECT_EQ(QApplication::focusWidget(), graph());
    press(Qt::Key_Space);
    EXPECT_TRUE(graphDescription().endsWith(" paused: Space plays on, → shows the next guest"))
        << graphDescription().toStdString();
    press(Qt::Key_End);
    const QString end = QString("Guest 100 of 100, balance %1, lowest so far %2 ")
                            .arg(meeting.back())
                            .arg(*std::min_element(meeting.begin(), meeting.end()));
    EXPECT_TRUE(graphDescription().startsWith(end)) << graphDescription().toStdString();
    press(Qt::Key_M);
    EXPECT_TRUE(graphDescription().contains(" A path touching ")) << graphDescription().toStdString();
    press(Qt::Key_Escape);
    EXPECT_EQ(graphDescription(), "") << "back to the histogram, with no run yet";

    press(Qt::Key_W);
    button("initButton")->setFocus();
    fakes.dialogs.answers = {"100", "30"};
    press(Qt::Key_Space);
    EXPECT_EQ(fakes.dialogs.questions.size(), 4U) << "Init pressed";
    EXPECT_EQ(graphDescription(), "");
}

// S tells how sure the run is, in the graph's description as in its table,
// and is remembered; L plays the running average of the window's own
// experiments from the first, Space pauses it, End shows all of them and
// how soon the average settled, Escape the histogram again. What the
// numbers are is the core's test.
TEST_F(MainWindowTest, SAndLShowHowSureTheRunIsAndHowManyExperimentsAreEnough)
{
    open({"100", "100"});
    button("startButton")->click();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };

    EXPECT_TRUE(graphDescription().contains("95% interval for the mean: ")) << graphDescription().toStdString();
    EXPECT_FALSE(graphDescription().contains("standard error: "));
    press(Qt::Key_S);
    EXPECT_TRUE(item("precisionTableAction")->isChecked());
    EXPECT_TRUE(graphDescription().contains("standard error: ")) << graphDescription().toStdString();

    press(Qt::Key_L);
    EXPECT_EQ(QApplication::focusWidget(), graph());
    EXPECT_TRUE(item("runningAverageAction")->isChecked());
    press(Qt::Key_Space);
    const QString paused = graphDescription();
    EXPECT_TRUE(paused.startsWith("How many experiments are enough: after ")) << paused.toStdString();
    QTest::qWait(300);
    EXPECT_EQ(graphDescription(), paused) << "paused";
    press(Qt::Key_End);
    EXPECT_TRUE(graphDescription().startsWith("How many experiments are enough: after 100,000 of 100,000 experiments"))
        << graphDescription().toStdString();
    EXPECT_TRUE(graphDescription().contains("The running average: ")) << graphDescription().toStdString();
    press(Qt::Key_Escape);
    EXPECT_TRUE(graphDescription().contains("standard error: ")) << "the histogram again";

    open({"100", "100"});
    EXPECT_TRUE(item("precisionTableAction")->isChecked()) << "remembered";
}

// The share of guests paying with a coin is asked as a number, kept over
// Cancel, remembered, and the next run is made with it and says so.
TEST_F(MainWindowTest, TheCoinShareIsAskedRememberedAndRunWith)
{
    open({"35", "100"});
    item("coinShareAction")->trigger();  // Cancel
    button("startButton")->click();
    EXPECT_FALSE(graphDescription().contains("of guests pay with a coin")) << graphDescription().toStdString();

    open({"35", "100"});
    fakes.dialogs.widths.push_back(40);
    item("coinShareAction")->trigger();
    button("startButton")->click();
    EXPECT_TRUE(graphDescription().contains(" 40% of guests pay with a coin.")) << graphDescription().toStdString();
    open({"35", "100"});
    button("startButton")->click();
    EXPECT_TRUE(graphDescription().contains(" 40% of guests pay with a coin.")) << "remembered";
}

// The class's meetings: a wrong entry is named and asked again with what
// was typed; what reads is shown, saved in the table's column of its own,
// offered again as typed, and forgotten at Init.
TEST_F(MainWindowTest, TheClassMeetingsAreCheckedShownSavedAndForgottenAtInit)
{
    open({"35", "100"});
    button("startButton")->click();
    const QString wrong = "-3 -40 1";
    const QString right = "-3 -4 1\nHTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT";  // H and 34 T: -33
    fakes.dialogs.lines = {wrong, right};
    item("classMeetingsAction")->trigger();
    EXPECT_EQ(fakes.dialogs.errors,
              std::vector<QString>{"The class's meetings: '-40' is not possible with 35 guests: a shortage lies between -35 and 1"});
    EXPECT_EQ(fakes.dialogs.shownLines, (std::vector<QString>{"", wrong}));
    EXPECT_TRUE(graphDescription().contains("The class's meetings: 4, average shortage -9.75.")) << graphDescription().toStdString();
    const QByteArray table = saved("class.csv");
    EXPECT_TRUE(table.startsWith("shortage,") && table.split('\n').front().endsWith(",class_count")) << table.toStdString();
    item("classMeetingsAction")->trigger();  // Cancel
    EXPECT_EQ(fakes.dialogs.shownLines.back(), right + " (= -33)") << "offered again, with what the tosses came to";

    fakes.dialogs.answers = {"35", "100"};
    button("initButton")->click();
    button("startButton")->click();
    EXPECT_FALSE(graphDescription().contains("The class's meetings")) << "forgotten at Init";
}

// In Japanese, the share's question and a wrong meeting's message are the
// catalogue's, with their numbers in place.
TEST_F(MainWindowTest, TheShareAndTheClassMeetingsAreAskedAndAnsweredInJapanese)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(":/i18n/coinwell_ja.qm"));
    QCoreApplication::installTranslator(&translator);
    const std::unique_ptr<QTranslator, void (*)(QTranslator*)> removed(&translator, [](QTranslator* installed) {
        QCoreApplication::removeTranslator(installed);
    });
    open({"35", "100"});
    fakes.dialogs.widths.push_back(40);
    item("coinShareAction")->trigger();
    EXPECT_EQ(fakes.dialogs.integerPrompts, std::vector<QString>{"500円玉で払う客の割合（1 〜 99 パーセント）:"});
    button("startButton")->click();
    fakes.dialogs.lines = {"-3 -40"};
    item("classMeetingsAction")->trigger();
    ASSERT_EQ(fakes.dialogs.errors.size(), 1U);
    EXPECT_TRUE(fakes.dialogs.errors[0].endsWith(": 「-40」は客35人ではありえません。不足枚数は-35から1の間です"))
        << fakes.dialogs.errors[0].toStdString();
}

// The tally sheet prints on one page, before any run.
TEST_F(MainWindowTest, TheTallySheetPrintsOnOnePage)
{
    open({"35", "100"});
    fakes.dialogs.pdfPath = folder.filePath("sheet.pdf");
    item("printTallySheetAction")->trigger();
    QFile pdf(fakes.dialogs.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
}

// Shift+F10 as the window system delivers it, with the graph focused (the
// Menu key becomes a context-menu event only on a real window system), opens
// the graph's own menu; so does the menu button, named for screen readers
// (the zoom's test below opens the menu with it).
TEST_F(GraphMenuTest, ShiftF10OpensTheMenu)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(button("graphMenuButton")->accessibleName(), "Graph menu");
    graph()->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(item("copyGraphAction"))) << "the graph's own menu";
    menu->close();
}

// The questions, the notice and the graph's menu, which no window's layout
// sets, are twice as large at 200 % as at 100 %.
TEST_F(GraphMenuTest, TheDialogsAndTheMenuFollowTheZoom)
{
    open();
    QtDialogs dialogs(fakes.zoom);
    const std::pair<const char*, std::function<void()>> shown[] = {
        {"a count's question", [&] { dialogs.askText("Please enter an integer", "Setting the number of guests", "100"); }},
        {"the width question", [&] { dialogs.askInteger("Width of the image in pixels:", "Save graph as image", 500, 100, 1000); }},
        {"the notice", [&] { dialogs.showNotice("This software will exit.", "Coinwell"); }},
        {"an error", [&] { dialogs.showError("run.csv could not be saved.", "Coinwell"); }},
        {"the graph menu", [&] { QTest::mouseClick(button("graphMenuButton"), Qt::LeftButton); }},
    };
    // The size in pixels of the texts `show` opens: a dialog's (which is
    // then closed) or the graph menu's.
    const auto shownTextPixels = [](const std::function<void()>& show) {
        int pixels = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                pixels = QFontInfo(dialog->findChild<QLabel*>()->font()).pixelSize();
                dialog->reject();
            }
        });
        poll.start();
        show();
        if (QWidget* menu = QApplication::activePopupWidget()) {
            pixels = QFontInfo(menu->font()).pixelSize();
            menu->close();
        }
        return pixels;
    };
    for (const auto& [what, show] : shown) {
        fakes.zoom.reset();
        const int atHundred = shownTextPixels(show);
        for (int step = 0; step < 4; ++step) {
            fakes.zoom.zoomIn();
        }
        ASSERT_EQ(fakes.zoom.percent(), 200);
        const int atTwoHundred = shownTextPixels(show);
        EXPECT_GT(atHundred, 0) << what;
        EXPECT_NEAR(atTwoHundred, 2 * atHundred, 1) << what;
    }
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

// The table's counts add up to the 100 experiments shown (its columns are
// the batch test's), the image's name comes from the run, and printing
// leaves a PDF.
TEST_F(GraphMenuTest, TheTableTheImagesNameAndThePrintComeFromTheRun)
{
    open();
    window->startRun();
    const QList<QByteArray> rows = saved("run.csv").trimmed().split('\n');
    ASSERT_GT(rows.size(), 2);
    EXPECT_EQ(std::accumulate(rows.begin() + 1, rows.end(), 0.0,
                              [](double sum, const QByteArray& row) { return sum + row.split(',')[1].toDouble(); }),
              100);
    saved("graph.png", 0, 500);
    EXPECT_EQ(fakes.dialogs.proposedPath.toStdString(), folder.filePath("coinwell-100x100.png").toStdString());

    fakes.dialogs.pdfPath = folder.filePath("print.pdf");
    item("printGraphAction")->trigger();
    QFile pdf(fakes.dialogs.pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(fakes.dialogs.errors.empty());
}

// The caption line goes under a copied or saved picture while its option
// is on, as it is at first: the SVG (the kind chosen, for a name with no
// suffix) holds the bars, the exact law's line and, last, the run's
// settings, average, exact mean and coins for the share chosen; the PNG
// (the suffix wins over the kind) and the copy, on white, are taller by it,
// with ink below the graph; off, they keep the graph's own size.
TEST_F(GraphMenuTest, CopiedAndSavedPicturesCarryTheCaptionLineWhileItIsOn)
{
    open();
    window->startRun();
    item("readyShare99Action")->trigger();
    item("exactLawAction")->trigger();
    const QRegularExpression caption("100 guests, 100 experiments, average shortage " + text("averageValue") +
                                     R"(, exact mean -7\.46, coins to have ready for 99% of meetings: \d+$)");
    const QSize shown = graph()->contentsRect().size() * graph()->devicePixelRatioF();
    for (const bool on : {true, false}) {
        EXPECT_EQ(item("captionOnImageAction")->isChecked(), on);
        QXmlStreamReader svg(saved("graph", 1, 1066));
        QStringList texts;
        QString fill, stroke;
        int bars = 0, lines = 0;
        while (!svg.atEnd()) {
            if (svg.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (svg.name() == u"g") {
                fill = svg.attributes().value("fill").toString();
                stroke = svg.attributes().value("stroke").toString();
            }
            bars += svg.name() == u"rect" && fill == "#0000ff";
            lines += svg.name() == u"polyline" && stroke == "#e65a00";
            if (svg.name() == u"text") {
                texts << svg.readElementText();
            }
        }
        EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
        EXPECT_TRUE(bars > 0 && lines > 0) << bars << " bars, " << lines << " lines";
        EXPECT_EQ(texts.join(' ').contains(caption), on) << texts.join('|').toStdString();

        const QImage png = QImage::fromData(saved("graph.png", 1, 1066));
        EXPECT_TRUE(on ? png.height() > 762 : png.height() == 762) << png.height();
        EXPECT_EQ(png.width(), 1066);
        EXPECT_EQ(inkIn(png, QRect(0, 763, png.width(), std::max(0, png.height() - 763))) > 0, on);

        item("copyGraphAction")->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        EXPECT_TRUE(on ? copied.height() > shown.height() : copied.size() == shown) << copied.height();
        EXPECT_EQ(copied.pixelColor(1, 1), Qt::white);
        item("captionOnImageAction")->trigger();
    }
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
    for (const auto& [name, reason] : {std::pair{"taken.csv", "It is a folder."}, {"missing/run.csv", "No such file or directory"},
                                       {"plain/run.csv", "Not a directory"}, {"plain/graph.png", "Not a directory"}}) {
        fakes.dialogs.errors.clear();
        EXPECT_TRUE(saved(name, 0, 500).isEmpty());
        const QString path = QDir::toNativeSeparators(folder.filePath(name));
        EXPECT_EQ(fakes.dialogs.errors, std::vector<QString>{"Coinwell: " + path + " could not be saved.\n" + reason}) << name;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"plain", "taken.csv"}));
    EXPECT_EQ(graph()->grab().toImage(), before);
    EXPECT_EQ(enabledItems(), "1111110");
}

}  // namespace
}  // namespace coinwell::testing
