#pragma once

#include <QKeySequence>
#include <QList>

class QAction;
class QWidget;

namespace coinwell {

// Return and Enter on a focused button of `window` click it, as Space does,
// once for each press. QPushButton's auto-default does the first too, but it
// draws every such button as a default one and clicks again on every repeat
// of a held key: Start, then Init, then the questions, over and over.
void clickButtonsOnReturn(QWidget* window);

// An action that any of `keys` triggers while `window` is the active window.
QAction* addShortcut(QWidget* window, const QList<QKeySequence>& keys);

}  // namespace coinwell
