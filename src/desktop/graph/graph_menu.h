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
// key: copying, saving and printing what the graph shows, saving the
// results as CSV, what the histogram shows over its bars, the replay of a
// meeting with its controls, and the square-root law. Every item keeps its
// shortcut in the whole window but Space, which only the focused graph
// takes. The items that need a result are disabled while there is none,
// the replay before the number of guests is given, its controls while it is
// not shown. What the histogram shows is remembered from one start of the
// program to the next. The run it shows is the window's model's.
class GraphMenu final : public QObject {
    Q_OBJECT

public:
    GraphMenu(GraphView& view, const RunModel& model, Dialogs& dialogs);

    void copyGraph();
    void saveGraphImage();
    void saveResultsCsv();
    void printGraph();

signals:
    // W while the graph shows no replay: a new meeting is wanted.
    void replayRequested();

private:
    void updateItems();
    // Whether the graph shows anything to copy, save or print, and the
    // file name that tells what.
    bool hasPicture() const;
    QString pictureName() const;
    void addReadyShares();
    void addReplayControls();
    void addHistogramOption(QAction* action, const QString& key, void (GraphView::*show)(bool));
    void popUp(const QPoint& at);
    QAction* addItem(const QString& text, const char* name, const QList<QKeySequence>& shortcuts,
                     QList<QAction*>* menu);
    QString askPath(const QString& title, const QString& name, const QStringList& filters, int& chosen);
    void save(const QString& path, const QByteArray& bytes);

    GraphView& view_;
    const RunModel& model_;
    Dialogs& dialogs_;
    QList<QAction*> items_;  // in the menu's order
    QList<QAction*> readyShares_;  // the submenu's
    QList<QAction*> replayControls_;  // the replay submenu's
    QAction* copyAction_;
    QAction* saveImageAction_;
    QAction* saveCsvAction_;
    QAction* printAction_;
    QAction* exactLawAction_;
    QAction* readyAction_;
    QAction* coverageAction_;
    QAction* replayAction_;
    QAction* squareRootAction_;
    QAction* mirrorAction_ = nullptr;
    QAction* backAction_ = nullptr;
    QString folder_;  // where the last file was saved
};

}  // namespace coinwell::graph
