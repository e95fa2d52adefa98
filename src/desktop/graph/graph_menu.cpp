#include "desktop/graph/graph_menu.h"

#include "desktop/graph/graph_files.h"
#include "desktop/graph/graph_view.h"
#include "desktop/toolkit/dialogs.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

namespace coinwell::graph {
namespace {

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

QString settingsKey(const core::OptionInfo& option) { return QStringLiteral("graph/") + text(option.name); }

// Switches were once stored as true and false.
int storedValue(const QVariant& value, int fallback)
{
    if (value.toString() == u"true" || value.toString() == u"false") {
        return value.toBool() ? 1 : 0;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : fallback;
}

}  // namespace

GraphMenu::GraphMenu(GraphView& view, GraphFiles& files, Dialogs& dialogs, const Zoom& zoom)
    : QObject(&view), view_(view), files_(files), dialogs_(dialogs), zoom_(zoom)
{
    core::RunModel& model = view_.model();
    const QSettings settings;
    for (std::size_t i = 0; i < core::kOptions.size(); ++i) {
        const core::OptionInfo& option = core::kOptions[i];
        model.restoreOption(static_cast<core::Option>(i), storedValue(settings.value(settingsKey(option)), option.defaultValue));
    }
    auto* shares = new QActionGroup(this);
    for (const core::CommandInfo& info : core::kCommands) {
        if (info.frontEnds == core::FrontEnds::Page) {
            continue;
        }
        auto* action = new QAction(translated(core::commandLabel(info.command)), this);
        action->setObjectName(text(info.name) + QStringLiteral("Action"));
        QList<QKeySequence> keys;
        for (const std::string_view key : info.keys) {
            if (!key.empty()) {
                keys.append(QKeySequence(text(key), QKeySequence::PortableText));
            }
        }
        action->setShortcuts(keys);
        // Space presses a focused button; the replay takes it only from the graph.
        action->setShortcutContext(info.graphKey ? Qt::WidgetShortcut : Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        action->setCheckable(info.check != core::Check::None);
        if (info.check == core::Check::Radio) {
            shares->addAction(action);
        }
        view_.addAction(action);
        connect(action, &QAction::triggered, this, [this, command = info.command] { run(command); });
        items_.append({info.command, action});
    }

    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popUp(view_.mapToGlobal(at)); });
    // The Menu key asks the focused graph for its menu by itself; Shift+F10
    // is the other key for it.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::SHIFT | Qt::Key_F10);
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    view_.addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] { popUp(view_.mapToGlobal(view_.contentsRect().center())); });
    connect(&view_, &GraphView::changed, this, &GraphMenu::updateItems);
    updateItems();
}

// The view does what it can; copying, saving and printing are the files'.
// Every remembered option is stored as it now is.
void GraphMenu::run(core::Command command)
{
    if (!view_.model().enabled(command)) {
        updateItems();
        return;
    }
    if (!view_.trigger(command)) {
        if (const std::optional<core::RunModel::Question> question = view_.model().question(command)) {
            ask(command, *question);
        } else {
            files_.run(command);
        }
    }
    QSettings settings;
    for (std::size_t i = 0; i < core::kOptions.size(); ++i) {
        settings.setValue(settingsKey(core::kOptions[i]), view_.model().option(static_cast<core::Option>(i)));
    }
}

// A number, or lines asked again with what was typed, after the message of
// what is wrong in them, until they read or the question is cancelled.
void GraphMenu::ask(core::Command command, const core::RunModel::Question& question)
{
    core::RunModel& model = view_.model();
    const QString prompt = translated(question.prompt);
    const QString title = translated(question.title);
    if (!question.lines) {
        const std::optional<int> value =
            dialogs_.askInteger(prompt, title, question.value, question.range.lowest, question.range.highest);
        if (value && model.answer(command, *value)) {
            view_.refresh();
        }
        return;
    }
    QString text = QString::fromStdString(question.text);
    while (const std::optional<QString> typed = dialogs_.askLines(prompt, title, text)) {
        const std::optional<core::Message> wrong = model.answer(command, typed->toStdString());
        if (!wrong) {
            view_.refresh();
            return;
        }
        dialogs_.showError(translated(*wrong), title);
        text = *typed;
    }
}

void GraphMenu::openFrom(QAbstractButton& button)
{
    connect(&button, &QAbstractButton::clicked, this,
            [this, &button] { popUp(button.mapToGlobal(QPoint(0, button.height()))); });
}

// The menu lives only while it is open; the items stay with the graph for
// their keys.
void GraphMenu::popUp(const QPoint& at)
{
    auto* menu = new QMenu(&view_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    zoom_.setFont(*menu);
    QMenu* submenus[] = {menu, nullptr, nullptr};
    const core::Phrase captions[] = {{}, core::kSharesCaption, core::kReplayCaption};
    for (const auto& [command, action] : items_) {
        const core::CommandInfo& info = core::commandInfo(command);
        const auto part = static_cast<std::size_t>(info.part);
        if (submenus[part] == nullptr) {
            submenus[part] = menu->addMenu(translated(captions[part]));
            zoom_.setFont(*submenus[part]);
        }
        if (info.separatorBefore) {
            submenus[part]->addSeparator();
        }
        submenus[part]->addAction(action);
    }
    menu->popup(at);
}

void GraphMenu::updateItems()
{
    const core::RunModel& model = view_.model();
    for (const auto& [command, action] : items_) {
        action->setEnabled(model.enabled(command));
        if (action->isCheckable()) {
            action->setChecked(model.checked(command));
        }
    }
}

}  // namespace coinwell::graph
