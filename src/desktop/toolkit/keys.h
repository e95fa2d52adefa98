#pragma once

#include <QKeySequence>
#include <QList>

class QAction;
class QWidget;

namespace coinwell {

// An action that any of `keys` triggers while `window` is the active window.
QAction* addShortcut(QWidget* window, const QList<QKeySequence>& keys);

}  // namespace coinwell
