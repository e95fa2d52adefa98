#include "desktop/toolkit/zoom.h"

#include "desktop/toolkit/keys.h"

#include <QAction>
#include <QApplication>
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
    connect(addShortcut(window, {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)}),
            &QAction::triggered, this, &Zoom::zoomIn);
    connect(addShortcut(window, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}), &QAction::triggered, this, &Zoom::zoomOut);
    connect(addShortcut(window, {QKeySequence(Qt::CTRL | Qt::Key_0)}), &QAction::triggered, this, &Zoom::reset);
}

void Zoom::setFont(QWidget& widget) const
{
    QFont font = QApplication::font(&widget);
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor());
    } else {
        font.setPixelSize(qRound(font.pixelSize() * factor()));
    }
    widget.setFont(font);
}

}  // namespace coinwell
