#include "desktop/help/help_window.h"

#include "core/window_layout.h"

#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/keys.h"
#include "desktop/toolkit/scaled_layout.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/zoom.h"
#include "desktop/help/help_text_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace coinwell {

HelpWindow::HelpWindow(Zoom& zoom, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      textView_(new HelpTextView(this))
{
    auto* closeButton = new QPushButton(this);
    auto* topRule = new QFrame(this);
    topRule->setFrameStyle(QFrame::HLine | QFrame::Plain);

    setWindowTitle(translated(core::kHelpWindowTitle));
    setAutoFillBackground(true);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowPalette.color(QPalette::Button));
    setPalette(windowPalette);

    // The client area at its designed place on the screen; sizes in
    // device-independent pixels at 100 %. Only the help text is set in the
    // Gothic face; the window keeps the desktop's own.
    auto* layout = new ScaledLayout(this, QRect(206, 136, core::kHelpWindowWidth, core::kHelpWindowHeight));
    const std::pair<std::string_view, QWidget*> controls[] = {
        {"helpText", textView_}, {"closeButton", closeButton}, {"topRule", topRule}};
    for (const core::Placement& placement : core::kHelpWindowPlacements) {
        QWidget* control = std::find_if(std::begin(controls), std::end(controls), [&](const auto& named) {
                               return named.first == placement.name;
                           })->second;
        if (!placement.text.source.empty()) {
            control->setProperty("text", translated(placement.text));
        }
        layout->add(control, QRect(placement.left, placement.top, placement.width, placement.height),
                    placement.points > 0 ? gothicFont(placement.points) : QApplication::font(control));
    }
    layout->follow(zoom);
    topRule->lower();

    QPalette textPalette = textView_->palette();
    textPalette.setColor(QPalette::Window, Qt::white);
    textPalette.setColor(QPalette::WindowText, textPalette.color(QPalette::ButtonText));
    textView_->setPalette(textPalette);

    setTabOrder(closeButton, textView_);
    closeButton->setFocus();
    closeButton->setAccessibleName(closeButton->text());
    textView_->setAccessibleName(translated(core::kHelpTextName));
    textView_->setAccessibleDescription(HelpTextView::lines().join(u'\n').trimmed());
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    connect(addShortcut(this, {QKeySequence(Qt::Key_Escape)}), &QAction::triggered, closeButton, &QPushButton::click);
    zoom.addKeys(this);
    clickButtonsOnReturn(this);
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit backRequested();
}

}  // namespace coinwell
