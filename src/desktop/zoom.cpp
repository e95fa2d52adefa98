#include "desktop/zoom.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace coinwell {
namespace {

const QString kKey = QStringLiteral("view/zoomPercent");

int nearestStep(int percent)
{
    return *std::min_element(Zoom::kSteps.begin(), Zoom::kSteps.end(),
                             [&](int a, int b) { return std::abs(a - percent) < std::abs(b - percent); });
}

}  // namespace

Zoom::Zoom(QSettings* store, QObject* parent) : QObject(parent), store_(store), percent_(kSteps.front())
{
    bool isNumber = false;
    const int stored = store_ != nullptr ? store_->value(kKey).toInt(&isNumber) : 0;
    if (isNumber) {
        percent_ = nearestStep(stored);
    }
}

void Zoom::zoomIn()
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent_);
    setPercent(next != kSteps.end() ? *next : kSteps.back());
}

void Zoom::zoomOut()
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), percent_);
    setPercent(next != kSteps.begin() ? *(next - 1) : kSteps.front());
}

void Zoom::reset()
{
    setPercent(kSteps.front());
}

void Zoom::setPercent(int percent)
{
    if (percent == percent_) {
        return;
    }
    percent_ = percent;
    if (store_ != nullptr) {
        store_->setValue(kKey, percent_);
    }
    emit changed();
}

void Zoom::addKeys(QWidget* window)
{
    const auto addAction = [&](QList<QKeySequence> keys, void (Zoom::*command)()) {
        auto* action = new QAction(window);
        action->setShortcuts(keys);
        window->addAction(action);
        connect(action, &QAction::triggered, this, command);
    };
    addAction({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}, &Zoom::zoomIn);
    addAction({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &Zoom::zoomOut);
    addAction({QKeySequence(Qt::CTRL | Qt::Key_0)}, &Zoom::reset);
}

}  // namespace coinwell
