#include "desktop/toolkit/keys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>

namespace coinwell {
namespace {

class ReturnClicks final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat()) {
            return false;
        }
        button->click();
        return true;
    }
};

}  // namespace

void clickButtonsOnReturn(QWidget* window)
{
    auto* filter = new ReturnClicks(window);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        button->installEventFilter(filter);
    }
}

QAction* addShortcut(QWidget* window, const QList<QKeySequence>& keys)
{
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

}  // namespace coinwell
