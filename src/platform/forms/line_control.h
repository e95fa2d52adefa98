#pragma once

#include <QWidget>

namespace coinwell::platform {

// A solid line one pixel wide between two points of the parent's client area.
// It lies beneath every other control, as a line drawn on the window would.
class LineControl final : public QWidget {
    Q_OBJECT

public:
    LineControl(QPoint from, QPoint to, QWidget* parent);

    QPoint From() const { return from_; }
    QPoint To() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
};

}  // namespace coinwell::platform
