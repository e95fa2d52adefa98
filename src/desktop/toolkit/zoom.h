#pragma once

#include <QObject>

#include <array>

class QSettings;
class QWidget;

namespace coinwell {

// How large the windows are drawn, for a projector: 100 to 200 % in steps of
// 25, shared by every window of the program.
class Zoom final : public QObject {
    Q_OBJECT

public:
    static constexpr std::array<int, 5> kSteps{100, 125, 150, 175, 200};

    // Starts at the step `store` remembers (the nearest one to what it holds,
    // or 100 %) and writes every change back to it.
    explicit Zoom(QSettings* store = nullptr, QObject* parent = nullptr);

    int percent() const { return percent_; }
    qreal factor() const { return percent_ / 100.0; }

    void zoomIn();
    void zoomOut();
    void reset();

    // Ctrl+= (and Ctrl++), Ctrl+- and Ctrl+0 in `window`.
    void addKeys(QWidget* window);

    // Sets `widget` (a dialog or a menu, which no window's layout sets) in
    // the desktop's own face for its kind, at the zoom's size.
    void setFont(QWidget& widget) const;

signals:
    void changed();

private:
    void setPercent(int percent);

    QSettings* store_;
    int percent_;
};

}  // namespace coinwell
