#include "platform/forms/line_control.h"

#include <QPainter>

namespace coinwell::platform {

LineControl::LineControl(QPoint from, QPoint to, QWidget* parent)
    : QWidget(parent), from_(from), to_(to)
{
    setGeometry(QRect(from, QSize(1, 1)).united(QRect(to, QSize(1, 1))));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    painter.drawLine(from_ - pos(), to_ - pos());
}

}  // namespace coinwell::platform
