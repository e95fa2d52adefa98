#include "platform/forms/picture_box.h"

#include "platform/forms/twips.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace coinwell::platform {
namespace {

constexpr int kBorderWidth = 2;

QColor ToQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetScale(float left, float top, float width, float height)
{
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
}

QPoint PictureBox::ToPixel(float x, float y) const
{
    const QSize area = contentsRect().size();
    double px = 0.0;
    double py = 0.0;
    if (scaleWidth_ != 0.0F && scaleHeight_ != 0.0F) {
        px = (x - scaleLeft_) * area.width() / static_cast<double>(scaleWidth_);
        py = (y - scaleTop_) * area.height() / static_cast<double>(scaleHeight_);
    } else {
        px = x / kTwipsPerPixel;
        py = y / kTwipsPerPixel;
    }
    // Keep far-off points within what QPainter handles; they are clipped anyway.
    constexpr double kFar = 1.0e6;
    return {static_cast<int>(std::lround(std::clamp(px, -kFar, kFar))),
            static_cast<int>(std::lround(std::clamp(py, -kFar, kFar)))};
}

QImage& PictureBox::Canvas() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = contentsRect().size() * ratio;
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        QImage image(pixels, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(palette().color(QPalette::Window));
        if (!image_.isNull()) {
            QPainter painter(&image);
            painter.drawImage(QPoint(0, 0), image_);
        }
        image_ = image;
    }
    return image_;
}

const QImage& PictureBox::Image() const
{
    return Canvas();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), Canvas());
}

void PictureBox::Cls()
{
    Canvas().fill(palette().color(QPalette::Window));
    currentX_ = 0.0F;
    currentY_ = 0.0F;
    update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, Rgb colour)
{
    QPainter painter(&Canvas());
    painter.setPen(QPen(ToQColor(colour), 1.0));
    painter.drawLine(ToPixel(x1, y1), ToPixel(x2, y2));
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::Box(float x1, float y1, float x2, float y2, Rgb colour)
{
    // The box covers its top row and both side columns, but not its bottom
    // row: a bar stands on the axis without painting over it, neighbouring
    // bars share their edge column, and a flat box leaves no stroke.
    const QPoint a = ToPixel(x1, y1);
    const QPoint b = ToPixel(x2, y2);
    const int left = std::min(a.x(), b.x());
    const int right = std::max(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int bottom = std::max(a.y(), b.y());
    if (bottom > top) {
        QPainter painter(&Canvas());
        painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom - 1)), ToQColor(colour));
    }
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::Print(std::string_view text)
{
    const QFontMetricsF metrics(font());
    if (!text.empty()) {
        QPainter painter(&Canvas());
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QPoint origin = ToPixel(currentX_, currentY_);
        painter.drawText(QPointF(origin.x(), origin.y() + metrics.ascent()), FromUtf8(text));
        update();
    }
    const float lineHeight = static_cast<float>(metrics.height());
    currentX_ = scaleWidth_ != 0.0F ? scaleLeft_ : 0.0F;
    currentY_ += scaleHeight_ != 0.0F
                     ? lineHeight * scaleHeight_ / static_cast<float>(contentsRect().height())
                     : lineHeight * static_cast<float>(kTwipsPerPixel);
}

float PictureBox::TextWidth(std::string_view text) const
{
    const double pixels = QFontMetricsF(font()).horizontalAdvance(FromUtf8(text));
    if (scaleWidth_ != 0.0F) {
        return static_cast<float>(pixels * scaleWidth_ / contentsRect().width());
    }
    return static_cast<float>(pixels * kTwipsPerPixel);
}

}  // namespace coinwell::platform
