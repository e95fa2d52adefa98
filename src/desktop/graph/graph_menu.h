#pragma once

#include "core/commands.h"
#include "core/run_model.h"

#include <QList>
#include <QObject>

class QAbstractButton;
class QAction;

namespace coinwell {
class Dialogs;
class Zoom;
}

namespace coinwell::graph {

class GraphFiles;
class GraphView;

// The graph's context menu, opened by a right click, Shift+F10, the Menu
// key or the window's menu button, built from the core's table of commands:
// every item keeps its keys in the whole window but Space, which only the
// focused graph takes, and is enabled and checked as the window's model
// says. A command that asks for a number or lines of text asks here. What
// the histogram shows is remembered from one start of the program to the
// next. The menu's texts are at the zoom's size.
class GraphMenu final : public QObject {
    Q_OBJECT

public:
    GraphMenu(GraphView& view, GraphFiles& files, Dialogs& dialogs, const Zoom& zoom);

    // A click on `button` opens the menu under it.
    void openFrom(QAbstractButton& button);

private:
    void run(core::Command command);
    void ask(core::Command command, const core::RunModel::Question& question);
    void updateItems();
    // At `at` on the screen.
    void popUp(const QPoint& at);

    GraphView& view_;
    GraphFiles& files_;
    Dialogs& dialogs_;
    const Zoom& zoom_;
    QList<std::pair<core::Command, QAction*>> items_;  // in the table's order
};

}  // namespace coinwell::graph
