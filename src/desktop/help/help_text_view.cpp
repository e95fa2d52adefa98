#include "desktop/help/help_text_view.h"

#include "core/help_text.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/translated.h"

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

QStringList HelpTextView::lines()
{
    return (QStringLiteral("\n") + translated(core::kHelpText)).split(u'\n');
}

QFont HelpTextView::textFont() const
{
    QFont fitted = font();
    fitted.setPointSizeF(fittingPointSize(fitted, lines(), contentsRect().size()));
    return fitted;
}

void HelpTextView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(textFont());
    const QFontMetricsF metrics(painter.font());
    QPointF baseline = QPointF(contentsRect().topLeft()) + QPointF(0, metrics.ascent());
    for (const QString& line : lines()) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.height();
    }
}

}  // namespace coinwell
