#include "desktop/toolkit/keys.h"

#include <QAction>
#include <QWidget>

namespace coinwell {

QAction* addShortcut(QWidget* window, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

}  // namespace coinwell
