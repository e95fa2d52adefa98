#include "desktop/graph/graph_menu.h"

#include "desktop/graph/graph_view.h"
#include "desktop/main_window/run_model.h"
#include "desktop/graph/graph_export.h"
#include "core/result_table.h"
#include "desktop/toolkit/whole_file.h"

#include "core/coins_ready.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
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
const QString kReadyPercentKey = QStringLiteral("graph/coinsReadyPercent");
constexpr int kDefaultReadyPercent = 95;
constexpr int kLargestImage = 10000;

}  // namespace

GraphMenu::GraphMenu(GraphView& view, const RunModel& model, Dialogs& dialogs)
    : QObject(&view),
      view_(view),
      model_(model),
      dialogs_(dialogs),
      copyAction_(addItem(tr("Copy graph"), "copyGraphAction", QKeySequence::Copy)),
      saveImageAction_(addItem(tr("Save graph as image..."), "saveGraphImageAction", QKeySequence::Save)),
      saveCsvAction_(addItem(tr("Save results as CSV..."), "saveResultsCsvAction", {})),
      printAction_(addItem(tr("Print..."), "printGraphAction", QKeySequence::Print)),
      exactLawAction_(addItem(tr("Show the exact distribution"), "exactLawAction", Qt::Key_T)),
      readyAction_(addItem(tr("Show the coins to have ready"), "coinsReadyAction", Qt::Key_K)),
      folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    items_.insert(items_.size() - 2, separator);
    exactLawAction_->setCheckable(true);
    exactLawAction_->setChecked(QSettings().value(kExactLawKey, false).toBool());
    view_.setExactLawShown(exactLawAction_->isChecked());
    readyAction_->setCheckable(true);
    readyAction_->setChecked(QSettings().value(kReadyKey, false).toBool());
    view_.setReadyShown(readyAction_->isChecked());
    addReadyShares();

    connect(copyAction_, &QAction::triggered, this, &GraphMenu::copyGraph);
    connect(saveImageAction_, &QAction::triggered, this, &GraphMenu::saveGraphImage);
    connect(saveCsvAction_, &QAction::triggered, this, &GraphMenu::saveResultsCsv);
    connect(printAction_, &QAction::triggered, this, &GraphMenu::printGraph);
    connect(exactLawAction_, &QAction::toggled, this, [this](bool shown) {
        view_.setExactLawShown(shown);
        QSettings().setValue(kExactLawKey, shown);
    });
    connect(readyAction_, &QAction::toggled, this, [this](bool shown) {
        view_.setReadyShown(shown);
        QSettings().setValue(kReadyKey, shown);
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
    menu->popup(view_.mapToGlobal(at));
}

QAction* GraphMenu::addItem(const QString& text, const char* name, const QKeySequence& shortcut)
{
    auto* action = new QAction(text, this);
    items_.append(action);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    view_.addAction(action);
    return action;
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
    const bool hasResult = model_.record().has_value();
    for (QAction* action : {copyAction_, saveImageAction_, saveCsvAction_, printAction_}) {
        action->setEnabled(hasResult);
    }
}

namespace {

GraphExport exportOf(const GraphView& view, const core::RunRecord& record)
{
    QFont font = view.font();
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * view.logicalDpiY() / 72.0)));
    return {record, view.exactLawShown(), view.contentsRect().size(), font, view.readyPercentShown()};
}

QString baseName(const core::RunRecord& record)
{
    return QStringLiteral("coinwell-%1x%2")
        .arg(record.result.settings.guestCount)
        .arg(record.result.settings.experimentCount);
}

}  // namespace

void GraphMenu::copyGraph()
{
    if (!model_.record()) {
        return;
    }
    QGuiApplication::clipboard()->setImage(exportOf(view_, *model_.record()).image(view_.devicePixelRatioF()));
}

void GraphMenu::saveGraphImage()
{
    if (!model_.record()) {
        return;
    }
    const QStringList filters{tr("PNG image (*.png)"), tr("SVG drawing (*.svg)")};
    int chosen = 0;
    const QString path = askPath(tr("Save graph as image"), baseName(*model_.record()) + ".png", filters, chosen);
    if (path.isEmpty()) {
        return;
    }
    const GraphExport graph = exportOf(view_, *model_.record());
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
    if (!model_.record()) {
        return;
    }
    const GraphExport graph = exportOf(view_, *model_.record());
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
