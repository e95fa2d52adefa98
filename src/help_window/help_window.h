#pragma once

#include <QWidget>

namespace coinwell {

class HelpTextView;

// The help window: the problem the program explores and how to work it.
// Close, or the title bar's close box, hands back to the main window.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

signals:
    // The window has closed and the main window should take its place.
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HelpTextView* textView_;
};

}  // namespace coinwell
