#include "help_window/help_window.h"

#include "desktop/fonts.h"
#include "help_window/help_text_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>

namespace coinwell {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      textView_(new HelpTextView(this))
{
    auto* closeButton = new QPushButton(tr("Close"), this);
    auto* topRule = new QFrame(this);
    topRule->setFrameStyle(QFrame::HLine | QFrame::Plain);

    setWindowTitle(tr("Coinwell 3 _ Help (Problem and operation)"));
    setAutoFillBackground(true);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, windowPalette.color(QPalette::Button));
    setPalette(windowPalette);
    // The client area at its designed place on the screen; sizes in
    // device-independent pixels.
    setGeometry(206, 136, 617, 561);
    setFixedSize(size());
    textView_->setGeometry(8, 32, 601, 529);
    closeButton->setGeometry(560, 0, 49, 25);
    topRule->setGeometry(8, 24, 601, 1);
    topRule->lower();

    // Only the help text is set in the Gothic face; the window keeps the
    // desktop's own.
    textView_->setFont(gothicFont(11.25));
    QPalette textPalette = textView_->palette();
    textPalette.setColor(QPalette::Window, Qt::white);
    textPalette.setColor(QPalette::WindowText, textPalette.color(QPalette::ButtonText));
    textView_->setPalette(textPalette);

    setTabOrder(closeButton, textView_);
    closeButton->setFocus();
    closeButton->setAccessibleName(closeButton->text());
    textView_->setAccessibleName(tr("Help text"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit backRequested();
}

}  // namespace coinwell
