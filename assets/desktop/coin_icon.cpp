#include "coin_icon.h"

#include "desktop/toolkit/fonts.h"

#include <QPainter>

namespace coinwell {

QImage coinIconImage(int size)
{
    QImage image(size, size, QImage::Format_RGB888);
    image.fill(QColor(0, 0, 255));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal rim = std::max<qreal>(1.0, size / 16.0);
    const QRectF coin = QRectF(0, 0, size, size).adjusted(rim, rim, -rim, -rim);
    painter.setPen(QPen(Qt::black, rim));
    painter.setBrush(QColor(255, 215, 0));
    painter.drawEllipse(coin.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));

    QFont font(gothicFamily());
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(size * 0.36)));
    font.setStretch(QFont::SemiCondensed);
    painter.setFont(font);
    painter.setPen(QColor(220, 0, 0));
    painter.drawText(coin, Qt::AlignCenter, QStringLiteral("500"));
    return image;
}

}  // namespace coinwell
