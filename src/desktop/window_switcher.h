#pragma once

#include "desktop/main_window/main_window_services.h"

#include <QObject>

#include <QWidget>

namespace coinwell {

// Keeps exactly one of the two windows open: Help replaces the main window
// by the help window, and leaving the help window brings a new main window,
// which asks for its settings again. A window closed with no successor ends
// the program.
class WindowSwitcher final : public QObject {
    Q_OBJECT

public:
    explicit WindowSwitcher(const MainWindowServices& services);
    ~WindowSwitcher() override;

    void showMainWindow();
    void showHelpWindow();

    // The window open now; null once the program is ending.
    QWidget* current() const { return current_; }

private:
    void open(QWidget* window);

    MainWindowServices services_;
    QWidget* current_ = nullptr;
};

}  // namespace coinwell
