#include "desktop/graph/graph_menu.h"

#include "desktop/graph/graph_view.h"
#include "desktop/graph/replay_player.h"
#include "desktop/main_window/run_model.h"
#include "desktop/graph/graph_export.h"
#include "core/result_table.h"
#include "desktop/toolkit/whole_file.h"

#include "core/coins_ready.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace coinwell::graph {
namespace {

const QString kExactLawKey = QStringLiteral("graph/showExactDistribution");
const QString kReadyKey = QStringLiteral("graph/showCoinsReady");
const QString kCoverageKey = QStringLiteral("graph/showCoverageCurve");
const QString kReadyPercentKey = QStringLiteral("graph/coinsReadyPercent");
constexpr int kDefaultReadyPercent = 95;
constexpr int kLargestImage = 10000;

}  // namespace

GraphMenu::GraphMenu(GraphView& view, const RunModel& model, Dialogs& dialogs)
    : QObject(&view),
      view_(view),
      model_(model),
      dialogs_(dialogs),
      copyAction_(addItem(tr("Copy graph"), "copyGraphAction", {QKeySequence::Copy}, &items_)),
      saveImageAction_(addItem(tr("Save graph as image..."), "saveGraphImageAction", {QKeySequence::Save}, &items_)),
      saveCsvAction_(addItem(tr("Save results as CSV..."), "saveResultsCsvAction", {}, &items_)),
      printAction_(addItem(tr("Print..."), "printGraphAction", {QKeySequence::Print}, &items_)),
      exactLawAction_(addItem(tr("Show the exact distribution"), "exactLawAction", {Qt::Key_T}, &items_)),
      readyAction_(addItem(tr("Show the coins to have ready"), "coinsReadyAction", {Qt::Key_K}, &items_)),
      coverageAction_(addItem(tr("Show the coverage curve"), "coverageCurveAction", {Qt::Key_C}, &items_)),
      replayAction_(addItem(tr("Replay one meeting"), "replayAction", {Qt::Key_W}, &items_)),
      squareRootAction_(addItem(tr("Show the square-root law"), "squareRootAction", {Qt::Key_G}, &items_)),
      folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    for (const QAction* before : {exactLawAction_, replayAction_}) {
        auto* separator = new QAction(this);
        separator->setSeparator(true);
        items_.insert(items_.indexOf(before), separator);
    }
    addHistogramOption(exactLawAction_, kExactLawKey, &GraphView::setExactLawShown);
    addHistogramOption(readyAction_, kReadyKey, &GraphView::setReadyShown);
    addHistogramOption(coverageAction_, kCoverageKey, &GraphView::setCoverageShown);
    addReadyShares();
    addReplayControls();
    squareRootAction_->setCheckable(true);

    connect(copyAction_, &QAction::triggered, this, &GraphMenu::copyGraph);
    connect(saveImageAction_, &QAction::triggered, this, &GraphMenu::saveGraphImage);
    connect(saveCsvAction_, &QAction::triggered, this, &GraphMenu::saveResultsCsv);
    connect(printAction_, &QAction::triggered, this, &GraphMenu::printGraph);
    connect(replayAction_, &QAction::triggered, this, [this] {
        if (view_.shows() == GraphShows::Replay) {
            view_.showHistogram();
        } else {
            emit replayRequested();
        }
    });
    connect(squareRootAction_, &QAction::triggered, this, [this](bool shown) {
        if (shown) {
            view_.showSquareRootLaw();
        } else {
            view_.showHistogram();
        }
    });

    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popUp(at); });
    // The Menu key asks the focused graph for its menu by itself; Shift+F10
    // is the other key for it.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::SHIFT | Qt::Key_F10);
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    view_.addAction(menuKey);
    connect(menuKey, &QAction::triggered, this,
            [this] { popUp(view_.contentsRect().center()); });
    connect(&model_, &RunModel::changed, this, &GraphMenu::updateItems);
    connect(&view_, &GraphView::showsChanged, this, &GraphMenu::updateItems);
    updateItems();
}

// The menu lives only while it is open; the items stay with the graph for
// their shortcuts.
void GraphMenu::popUp(const QPoint& at)
{
    auto* menu = new QMenu(&view_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(items_);
    menu->addMenu(tr("Share of meetings covered"))->addActions(readyShares_);
    menu->addMenu(tr("Replay"))->addActions(replayControls_);
    menu->popup(view_.mapToGlobal(at));
}

QAction* GraphMenu::addItem(const QString& text, const char* name, const QList<QKeySequence>& shortcuts,
                            QList<QAction*>* menu)
{
    auto* action = new QAction(text, this);
    menu->append(action);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    view_.addAction(action);
    return action;
}

// An option of the histogram, as it was left the last time; switching it
// shows the histogram.
void GraphMenu::addHistogramOption(QAction* action, const QString& key, void (GraphView::*show)(bool))
{
    action->setCheckable(true);
    action->setChecked(QSettings().value(key, false).toBool());
    (view_.*show)(action->isChecked());
    // Direct connections rather than one lambda: GCC 12 with -fsanitize=vptr
    // loses a lambda's captured `this` in a call through a pointer to a
    // non-virtual member.
    connect(action, &QAction::toggled, &view_, show);
    connect(action, &QAction::toggled, &view_, &GraphView::showHistogram);
    connect(action, &QAction::toggled, this, [key](bool shown) { QSettings().setValue(key, shown); });
}

void GraphMenu::addReplayControls()
{
    const auto control = [this](const QString& text, const char* name, const QList<QKeySequence>& keys,
                                void (ReplayPlayer::*act)()) {
        QAction* action = addItem(text, name, keys, &replayControls_);
        connect(action, &QAction::triggered, this, [this, act] {
            if (ReplayPlayer* replay = view_.replay()) {
                (replay->*act)();
            }
        });
        return action;
    };
    // Space presses a focused button; the replay takes it only from the graph.
    control(tr("Pause or play on"), "replayPauseAction", {Qt::Key_Space}, &ReplayPlayer::togglePause)
        ->setShortcutContext(Qt::WidgetShortcut);
    control(tr("Next guest"), "replayNextGuestAction", {Qt::Key_Right}, &ReplayPlayer::step);
    control(tr("Faster"), "replayFasterAction", {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Up}, &ReplayPlayer::faster);
    control(tr("Slower"), "replaySlowerAction", {Qt::Key_Minus, Qt::Key_Down}, &ReplayPlayer::slower);
    control(tr("Whole meeting"), "replayWholeMeetingAction", {Qt::Key_End}, &ReplayPlayer::finish);
    mirrorAction_ = control(tr("Mirror at the coins to have ready"), "replayMirrorAction", {Qt::Key_M},
                            &ReplayPlayer::toggleMirror);
    mirrorAction_->setCheckable(true);
    backAction_ = addItem(tr("Back to the histogram"), "backToHistogramAction", {Qt::Key_Escape}, &replayControls_);
    connect(backAction_, &QAction::triggered, &view_, &GraphView::showHistogram);
}

// The shares of meetings to have the coins ready for, one checked; the
// menu shows them in a submenu of its own.
void GraphMenu::addReadyShares()
{
    int chosen = QSettings().value(kReadyPercentKey, kDefaultReadyPercent).toInt();
    if (std::find(core::kReadyPercents.begin(), core::kReadyPercents.end(), chosen) == core::kReadyPercents.end()) {
        chosen = kDefaultReadyPercent;
    }
    auto* group = new QActionGroup(this);
    for (const int percent : core::kReadyPercents) {
        auto* share = new QAction(tr("%1% of meetings").arg(percent), group);
        share->setObjectName(QStringLiteral("readyShare%1Action").arg(percent));
        share->setCheckable(true);
        share->setChecked(percent == chosen);
        readyShares_.append(share);
        connect(share, &QAction::triggered, this, [this, percent] {
            view_.setReadyPercent(percent);
            QSettings().setValue(kReadyPercentKey, percent);
        });
    }
    view_.setReadyPercent(chosen);
}

void GraphMenu::updateItems()
{
    for (QAction* action : {copyAction_, saveImageAction_, printAction_}) {
        action->setEnabled(hasPicture());
    }
    saveCsvAction_->setEnabled(model_.record().has_value());
    replayAction_->setEnabled(model_.settings().guestCount > 0);
    const ReplayPlayer* replay = view_.replay();
    for (QAction* control : replayControls_) {
        control->setEnabled(replay != nullptr);
    }
    mirrorAction_->setChecked(replay != nullptr && replay->mirrored());
    backAction_->setEnabled(view_.shows() != GraphShows::Histogram);
    squareRootAction_->setChecked(view_.shows() == GraphShows::SquareRootLaw);
}

namespace {

// The view shown, with the run's caption under the histogram and the view's
// own words under the others.
GraphExport exportOf(const GraphView& view, const std::optional<core::RunRecord>& record)
{
    QFont font = view.font();
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * view.logicalDpiY() / 72.0)));
    const auto paint = [&view](QPainter& painter, const QRectF& area, const QColor& textColour) {
        view.paintShown(painter, area, textColour);
    };
    const QString caption = view.shows() == GraphShows::Histogram && record
                                ? captionLine(*record, QDateTime::currentDateTime())
                                : view.viewDescription();
    return {paint, view.contentsRect().size(), font, caption};
}

QString baseName(const core::RunRecord& record)
{
    return QStringLiteral("coinwell-%1x%2")
        .arg(record.result.settings.guestCount)
        .arg(record.result.settings.experimentCount);
}

}  // namespace

bool GraphMenu::hasPicture() const { return model_.record() || view_.shows() != GraphShows::Histogram; }

QString GraphMenu::pictureName() const
{
    switch (view_.shows()) {
    case GraphShows::Replay:
        return QStringLiteral("coinwell-replay-%1").arg(view_.replay()->balances().size());
    case GraphShows::SquareRootLaw:
        return QStringLiteral("coinwell-square-root");
    case GraphShows::Histogram:
        break;
    }
    return baseName(*model_.record());
}

void GraphMenu::copyGraph()
{
    if (!hasPicture()) {
        return;
    }
    QGuiApplication::clipboard()->setImage(exportOf(view_, model_.record()).image(view_.devicePixelRatioF()));
}

void GraphMenu::saveGraphImage()
{
    if (!hasPicture()) {
        return;
    }
    const QStringList filters{tr("PNG image (*.png)"), tr("SVG drawing (*.svg)")};
    int chosen = 0;
    const QString path = askPath(tr("Save graph as image"), pictureName() + ".png", filters, chosen);
    if (path.isEmpty()) {
        return;
    }
    const GraphExport graph = exportOf(view_, model_.record());
    const auto width = dialogs_.askInteger(tr("Width of the image in pixels:"), tr("Save graph as image"),
                                           2 * static_cast<int>(graph.area.width()), 100, kLargestImage);
    if (!width) {
        return;
    }
    const bool svg = QFileInfo(path).suffix().compare("svg", Qt::CaseInsensitive) == 0 ||
                     (QFileInfo(path).suffix().isEmpty() && chosen == 1);
    save(path, svg ? graph.svg(*width) : graph.png(*width));
}

void GraphMenu::saveResultsCsv()
{
    if (!model_.record()) {
        return;
    }
    int chosen = 0;
    const QString path = askPath(tr("Save results as CSV"), baseName(*model_.record()) + ".csv",
                                 {tr("CSV table (*.csv)")}, chosen);
    if (!path.isEmpty()) {
        save(path, QByteArray::fromStdString(core::resultTable(*model_.record())));
    }
}

void GraphMenu::printGraph()
{
    if (!hasPicture()) {
        return;
    }
    const GraphExport graph = exportOf(view_, model_.record());
    dialogs_.previewPrint([&graph](QPrinter& printer) { graph.print(printer); }, tr("Print graph"));
}

QString GraphMenu::askPath(const QString& title, const QString& name, const QStringList& filters, int& chosen)
{
    const QString path = dialogs_.askSaveFileName(title, QDir(folder_).filePath(name), filters, chosen);
    if (!path.isEmpty()) {
        folder_ = QFileInfo(path).absolutePath();
    }
    return path;
}

// A file that cannot be written leaves everything as it was, but for the
// message that says which and why.
void GraphMenu::save(const QString& path, const QByteArray& bytes)
{
    const QString reason = saveWhole(path, bytes);
    if (!reason.isEmpty()) {
        dialogs_.showError(tr("%1 could not be saved.\n%2").arg(QDir::toNativeSeparators(path), reason),
                           tr("Coinwell"));
    }
}

}  // namespace coinwell::graph
