#pragma once

#include <QFrame>
#include <QStringList>

namespace coinwell {

// The help text area: a sunken frame that shows the help lines as they are,
// after one empty line, each at the left edge and one text line below the
// last. The text is printed in the frame's font, made smaller where needed
// so that the widest line and every line fit the area.
class HelpTextView final : public QFrame {
    Q_OBJECT

public:
    explicit HelpTextView(QWidget* parent = nullptr);

    // The printed lines in the program's language, the empty one first.
    static QStringList lines();
    // The font the lines are printed in at the area's present size.
    QFont textFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace coinwell
