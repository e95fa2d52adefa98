#pragma once

#include "desktop/toolkit/dialogs.h"

#include <QObject>
#include <QString>

#include <QList>

class QAction;

namespace coinwell {
class RunModel;
}

namespace coinwell::graph {

class GraphView;

// The graph's context menu, opened by a right click, Shift+F10 or the Menu
// key: copying, saving and printing the graph, saving the results as CSV,
// and the overlay of the exact law. Every item keeps its shortcut in the
// whole window. The items that need a result are disabled while the graph
// shows none. Whether the exact law is shown is remembered from one start
// of the program to the next. The run it shows is the window's model's.
class GraphMenu final : public QObject {
    Q_OBJECT

public:
    GraphMenu(GraphView& view, const RunModel& model, Dialogs& dialogs);

    void copyGraph();
    void saveGraphImage();
    void saveResultsCsv();
    void printGraph();

private:
    void updateItems();
    void addReadyShares();
    void popUp(const QPoint& at);
    QAction* addItem(const QString& text, const char* name, const QKeySequence& shortcut);
    QString askPath(const QString& title, const QString& name, const QStringList& filters, int& chosen);
    void save(const QString& path, const QByteArray& bytes);

    GraphView& view_;
    const RunModel& model_;
    Dialogs& dialogs_;
    QList<QAction*> items_;  // in the menu's order
    QList<QAction*> readyShares_;  // the submenu's
    QAction* copyAction_;
    QAction* saveImageAction_;
    QAction* saveCsvAction_;
    QAction* printAction_;
    QAction* exactLawAction_;
    QAction* readyAction_;
    QString folder_;  // where the last file was saved
};

}  // namespace coinwell::graph
