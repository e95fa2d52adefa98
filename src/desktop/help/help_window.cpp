#include "desktop/help/help_window.h"

#include "core/window_layout.h"

#include "desktop/toolkit/keys.h"
#include "desktop/toolkit/scaled_layout.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/zoom.h"
#include "desktop/help/help_text_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>

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
    layout->place(core::kHelpWindowPlacements,
                  {{"helpText", textView_}, {"closeButton", closeButton}, {"topRule", topRule}});
    layout->follow(zoom);
    topRule->lower();

    QPalette textPalette = textView_->palette();
    textPalette.setColor(QPalette::Window, Qt::white);
    textPalette.setColor(QPalette::WindowText, textPalette.color(QPalette::ButtonText));
    textView_->setPalette(textPalette);

    setTabOrder(closeButton, textView_);
    closeButton->setFocus();
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
