#include "desktop/window_switcher.h"

#include "desktop/help/help_window.h"
#include "desktop/main_window/main_window.h"

namespace coinwell {

WindowSwitcher::WindowSwitcher(const MainWindowServices& services) : services_(services) {}

WindowSwitcher::~WindowSwitcher()
{
    if (current_ != nullptr) {
        disconnect(current_, nullptr, this, nullptr);
        delete current_;
    }
}

void WindowSwitcher::showMainWindow()
{
    auto* window = new MainWindow(services_);
    connect(window, &MainWindow::helpRequested, this, &WindowSwitcher::showHelpWindow);
    open(window);
}

void WindowSwitcher::showHelpWindow()
{
    auto* window = new HelpWindow(services_.zoom);
    connect(window, &HelpWindow::backRequested, this, &WindowSwitcher::showMainWindow);
    open(window);
}

void WindowSwitcher::open(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QObject::destroyed, this, [this, window] {
        if (current_ == window) {
            current_ = nullptr;
            services_.programExit.quit();
        }
    });
    current_ = window;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace coinwell
