#include "platform/forms/form.h"

#include "platform/forms/fonts.h"
#include "platform/forms/line_control.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/twips.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <map>

namespace coinwell::platform {
namespace {

QColor Resolve(const ColourSpec& colour, const QPalette& palette)
{
    if (const auto* role = std::get_if<QPalette::ColorRole>(&colour)) {
        return palette.color(*role);
    }
    return std::get<QColor>(colour);
}

void ApplyColours(QWidget& widget, const ControlSpec& layout, QPalette::ColorRole backgroundRole,
                  QPalette::ColorRole foregroundRole)
{
    QPalette palette = widget.palette();
    if (layout.background) {
        palette.setColor(backgroundRole, Resolve(*layout.background, palette));
        widget.setAutoFillBackground(true);
    }
    if (layout.foreground) {
        palette.setColor(foregroundRole, Resolve(*layout.foreground, palette));
    }
    widget.setPalette(palette);
}

QRect PixelRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace

Form::Form(const WindowSpec& layout)
{
    setObjectName(QString::fromUtf8(layout.name));
    setWindowTitle(QString::fromUtf8(layout.caption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (layout.icon != nullptr) {
        setWindowIcon(layout.icon());
    }
    if (layout.font) {
        setFont(GothicFont(*layout.font));
    }
    const QRect client = PixelRect(layout.left, layout.top, layout.width, layout.height);
    setFixedSize(client.size());
    move(client.topLeft());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    std::map<int, QWidget*> tabOrder;
    for (const ControlSpec& control : layout.controls) {
        QWidget* widget = CreateControl(control);
        if (widget == nullptr) {
            continue;
        }
        controls_.insert(QString::fromUtf8(control.name), widget);
        if (widget->focusPolicy() != Qt::NoFocus) {
            tabOrder.emplace(control.tabIndex, widget);
        }
    }
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : tabOrder) {
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    if (!tabOrder.empty()) {
        tabOrder.begin()->second->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* Form::CreateControl(const ControlSpec& layout)
{
    const QString name = QString::fromUtf8(layout.name);
    const QString caption = QString::fromUtf8(layout.caption);
    QWidget* widget = nullptr;
    switch (layout.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        ApplyColours(*button, layout, QPalette::Button, QPalette::ButtonText);
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, this);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::NoFocus);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
        label->setPalette(palette);
        ApplyColours(*label, layout, QPalette::Window, QPalette::WindowText);
        widget = label;
        break;
    }
    case ControlKind::PictureBox: {
        auto* picture = new PictureBox(this);
        ApplyColours(*picture, layout, QPalette::Window, QPalette::WindowText);
        widget = picture;
        break;
    }
    case ControlKind::Line: {
        auto* line = new LineControl(QPoint(TwipsToPixels(layout.left), TwipsToPixels(layout.top)),
                                     QPoint(TwipsToPixels(layout.width), TwipsToPixels(layout.height)),
                                     this);
        ApplyColours(*line, layout, QPalette::Window, QPalette::WindowText);
        line->lower();
        widget = line;
        break;
    }
    case ControlKind::MediaControl:
        // Never shown: the program's one media player stands in for it.
        return nullptr;
    }
    widget->setObjectName(name);
    if (layout.kind != ControlKind::Line) {
        widget->setGeometry(PixelRect(layout.left, layout.top, layout.width, layout.height));
    }
    if (layout.font) {
        widget->setFont(GothicFont(*layout.font));
    }
    return widget;
}

QWidget* Form::Control(const char* name) const
{
    return controls_.value(QString::fromUtf8(name), nullptr);
}

QPushButton* Form::Button(const char* name) const
{
    return qobject_cast<QPushButton*>(Control(name));
}

QLabel* Form::Label(const char* name) const
{
    return qobject_cast<QLabel*>(Control(name));
}

PictureBox* Form::Picture(const char* name) const
{
    return qobject_cast<PictureBox*>(Control(name));
}

LineControl* Form::Line(const char* name) const
{
    return qobject_cast<LineControl*>(Control(name));
}

void Form::SetMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    if (pointer == MousePointer::Hourglass) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void Form::Unload()
{
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    hide();
    deleteLater();
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!activationScheduled_) {
        activationScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            if (!unloaded_) {
                emit Activated();
            }
        });
    }
}

void Form::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Unload();
}

}  // namespace coinwell::platform
