#pragma once

#include <QFrame>

namespace coinwell {

// The help text area: a sunken frame that shows the help lines as they are,
// after one empty line, each at the left edge and one text line below the
// last. A line wider than the area is cut off at its right edge.
class HelpTextView final : public QFrame {
    Q_OBJECT

public:
    explicit HelpTextView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace coinwell
