#pragma once

#include <QWidget>

namespace coinwell {

class HelpTextView;
class Zoom;

// The help window: the problem the program explores and how to work it.
// Close, Escape, or the title bar's close box, hands back to the main window.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(Zoom& zoom, QWidget* parent = nullptr);

signals:
    // The window has closed and the main window should take its place.
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HelpTextView* textView_;
};

}  // namespace coinwell
