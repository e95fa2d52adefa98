#include "desktop/main_window/main_window.h"

#include "core/one_decimal.h"
#include "core/window_layout.h"
#include "desktop/graph/graph_files.h"
#include "desktop/graph/graph_menu.h"
#include "desktop/graph/graph_view.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/keys.h"
#include "desktop/toolkit/scaled_layout.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/wait_cursor.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace coinwell {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kLightCyan(128, 255, 255);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A bordered label with its text centred on white, as every label of the
// window is but the title.
QLabel* newLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    setColour(label, QPalette::Window, kWhite);
    setColour(label, QPalette::WindowText, label->palette().color(QPalette::ButtonText));
    return label;
}

QFrame* newRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::HLine | QFrame::Plain);
    rule->setLineWidth(1);
    return rule;
}

}  // namespace

struct MainWindow::SettingTitles {
    core::Phrase guests;
    core::Phrase experiments;
};

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      services_(services),
      model_(services.random, services.clock, services.seed, services.runs),
      helpButton_(new QPushButton(this)),
      graphView_(new graph::GraphView(model_, this)),
      graphMenuButton_(new QPushButton(this)),
      initButton_(new QPushButton(this)),
      exitButton_(new QPushButton(this)),
      startButton_(new QPushButton(this)),
      titleLabel_(newLabel({}, this)),
      guestCountCaption_(newLabel({}, this)),
      guestCountValue_(newLabel({}, this)),
      topRule_(newRule(this)),
      averageCaption_(newLabel({}, this)),
      averageValue_(newLabel({}, this)),
      experimentCountValue_(newLabel({}, this)),
      experimentCountCaption_(newLabel({}, this)),
      // The client area at its designed place on the screen.
      layout_(new ScaledLayout(this, QRect(232, 99, core::kMainWindowWidth, core::kMainWindowHeight))),
      files_(std::make_unique<graph::GraphFiles>(*graphView_, services.dialogs))
{
    setWindowTitle(translated(core::kMainWindowTitle));
    setWindowIcon(QIcon(QStringLiteral(":/coinwell/window-icon.png")));  // 32 x 32, made at build time
    setFont(gothicFont(core::kWindowPoints));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, palette().color(QPalette::Button));

    layout_->place(core::kMainWindowPlacements,
                   {{"helpButton", helpButton_},
                    {"graphView", graphView_},
                    {"graphMenuButton", graphMenuButton_},
                    {"initButton", initButton_},
                    {"exitButton", exitButton_},
                    {"startButton", startButton_},
                    {"titleLabel", titleLabel_},
                    {"guestCountCaption", guestCountCaption_},
                    {"guestCountValue", guestCountValue_},
                    {"topRule", topRule_},
                    {"averageCaption", averageCaption_},
                    {"averageValue", averageValue_},
                    {"experimentCountValue", experimentCountValue_},
                    {"experimentCountCaption", experimentCountCaption_}});
    layout_->follow(services_.zoom);
    // The rule sets off the top row and lies beneath the buttons it meets.
    topRule_->lower();

    setColour(titleLabel_, QPalette::Window, kLightCyan);
    setColour(titleLabel_, QPalette::WindowText, palette().color(QPalette::WindowText));
    setColour(graphView_, QPalette::Window, palette().color(QPalette::Button));
    setColour(graphView_, QPalette::WindowText, palette().color(QPalette::ButtonText));

    setTabOrder(startButton_, exitButton_);
    setTabOrder(exitButton_, initButton_);
    setTabOrder(initButton_, graphView_);
    setTabOrder(graphView_, graphMenuButton_);
    setTabOrder(graphMenuButton_, helpButton_);
    startButton_->setFocus();
    // Qt names a button or a caption by its words; showModel() names the values.
    graphView_->setAccessibleName(translated(core::kGraphName));
    graphMenuButton_->setAccessibleName(translated(core::kGraphMenuName));
    graphMenuButton_->setToolTip(graphMenuButton_->accessibleName());
    showModel();
    (new graph::GraphMenu(*graphView_, *files_, services_.dialogs, services_.zoom))->openFrom(*graphMenuButton_);
    addKeys();
    connect(graphView_, &graph::GraphView::changed, this, &MainWindow::describeGraph);
    describeGraph();

    connect(startButton_, &QPushButton::clicked, this, &MainWindow::startRun);
    connect(exitButton_, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(initButton_, &QPushButton::clicked, this, &MainWindow::reinitialise);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::showHelp);

    // Asked once the event loop runs, when the window that was just made is
    // on screen, so that the dialogs open over it.
    QTimer::singleShot(0, this, [this] { askSettings({core::kFirstGuestsTitle, core::kFirstExperimentsTitle}); });
}

// The graph and its menu read the model, which as a member is gone before
// the window's children are.
MainWindow::~MainWindow() { delete graphView_; }

void MainWindow::startRun()
{
    // A Start that waits in the queue behind an Init, which enables Start
    // again, must not run inside this one's pass over the waiting messages.
    if (running_) {
        return;
    }
    running_ = true;
    startButton_->setEnabled(false);

    // Clicks made before this one are handled first. A Help or an Exit among
    // them takes the window away (Help may even delete it), and there is no
    // run then.
    const QPointer<MainWindow> self(this);
    QCoreApplication::processEvents();
    if (self.isNull() || leaving_) {
        return;
    }

    const WaitCursor hourglass;
    exitButton_->setEnabled(false);
    initButton_->setEnabled(false);
    model_.run();
    showModel();
    // A waiting Init enabled Start again; it stays disabled until the next.
    startButton_->setEnabled(false);
    exitButton_->setEnabled(true);
    initButton_->setEnabled(true);
    // Disabling Start passed the focus on to the graph; the next step is Init.
    initButton_->setFocus();
    running_ = false;
}

void MainWindow::reinitialise()
{
    services_.cues.play(Cue::Rising);
    startButton_->setEnabled(true);
    model_.clear();
    showModel();
    askSettings({core::kGuestsTitle, core::kExperimentsTitle});
    if (!leaving_) {
        startButton_->setFocus();
    }
}

void MainWindow::showHelp()
{
    services_.cues.play(Cue::Rising);
    leaving_ = true;
    close();
    emit helpRequested();
}

void MainWindow::exitProgram()
{
    services_.cues.play(Cue::Falling);
    endProgram();
}

void MainWindow::endProgram()
{
    leaving_ = true;
    services_.dialogs.showNotice(translated(core::kExitNotice), translated(core::kProgramName));
    services_.programExit.quit();
}

// The guests label shows its count while the experiments dialog is open.
void MainWindow::askSettings(const SettingTitles& titles)
{
    const auto guests = askCount(translated(titles.guests), core::kGuestRange);
    if (!guests) {
        return;
    }
    model_.setGuestCount(*guests);
    showModel();
    // The first cue (Init, Help or Exit) can come once both settings are in;
    // the sound system starts now rather than before the first question.
    services_.cues.readAhead();

    const auto experiments = askCount(translated(titles.experiments), core::kExperimentRange);
    if (!experiments) {
        return;
    }
    model_.setExperimentCount(*experiments);
    showModel();
}

// Asks until the entry is an accepted count, each time from the default
// again. An empty entry (or Cancel) ends the program instead.
std::optional<std::int32_t> MainWindow::askCount(const QString& title, core::CountRange range)
{
    const QString prompt = translated(core::say(core::kCountPrompt, {core::number(range.lowest), core::number(range.highest)}));
    for (;;) {
        const QString entry = services_.dialogs.askText(prompt, title, QStringLiteral("100"));
        if (entry.isEmpty()) {
            endProgram();
            return std::nullopt;
        }
        if (const auto count = core::acceptEntry(entry.toStdU16String(), range)) {
            return count;
        }
    }
}

// The values, the graph, its menu and its description follow the model.
void MainWindow::showModel()
{
    const core::Settings& settings = model_.settings();
    const auto count = [](int value) { return value > 0 ? QString::number(value) : QString(); };
    showValue(guestCountValue_, guestCountCaption_, count(settings.guestCount));
    showValue(experimentCountValue_, experimentCountCaption_, count(settings.experimentCount));
    const std::optional<core::RunRecord>& record = model_.record();
    showValue(averageValue_, averageCaption_,
              record ? QString::fromStdString(core::formatOneDecimal(record->result.averageShortage())) : QString());
    graphView_->refresh();
}

// A screen reader speaks a label's name in place of its text, so a value's
// name carries both what it is and the value.
void MainWindow::showValue(QLabel* value, const QLabel* caption, const QString& text)
{
    value->setText(text);
    value->setAccessibleName(text.isEmpty() ? caption->text()
                                            : translated(core::say(core::kNamedValue, {core::verbatim(caption->text().toStdString()),
                                                                                       core::verbatim(text.toStdString())})));
}

// F1 and Ctrl+Q go the way of Help and Exit, and only while those are enabled.
void MainWindow::addKeys()
{
    connect(addShortcut(this, {QKeySequence::HelpContents}), &QAction::triggered, helpButton_, &QPushButton::click);
    connect(addShortcut(this, {QKeySequence(Qt::CTRL | Qt::Key_Q)}), &QAction::triggered, exitButton_,
            &QPushButton::click);
    services_.zoom.addKeys(this);
    clickButtonsOnReturn(this);
}

// A screen reader hears of each new description at once, also while the
// graph keeps the focus, as it does during a replay.
void MainWindow::describeGraph()
{
    const QString description = graphView_->description();
    if (description == graphView_->accessibleDescription()) {
        return;
    }
    graphView_->setAccessibleDescription(description);
    QAccessibleEvent changed(graphView_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace coinwell
