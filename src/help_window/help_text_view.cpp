#include "help_window/help_text_view.h"

#include "help_window/help_text.h"

#include <QFontMetricsF>
#include <QPainter>

namespace coinwell {

HelpTextView::HelpTextView(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void HelpTextView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    QPointF baseline = QPointF(contentsRect().topLeft()) + QPointF(0, metrics.height() + metrics.ascent());
    for (const std::string_view line : kHelpLines) {
        painter.drawText(baseline, QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        baseline.ry() += metrics.height();
    }
}

}  // namespace coinwell
