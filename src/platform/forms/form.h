#pragma once

#include "platform/forms/layout.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;

namespace coinwell::platform {

class PictureBox;
class LineControl;

enum class MousePointer { Default = 0, Arrow = 1, Hourglass = 11 };

// A top-level window created from its layout: caption, icon, design position,
// client size and controls. It is shown modeless and without an owner, and
// unloaded by Unload or by its title bar's close box.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const WindowSpec& layout);

    QPushButton* Button(const char* name) const;
    QLabel* Label(const char* name) const;
    PictureBox* Picture(const char* name) const;
    LineControl* Line(const char* name) const;

    void SetMousePointer(MousePointer pointer);
    MousePointer CurrentMousePointer() const { return pointer_; }

    // Hides the window and destroys it once control is back in the event
    // loop, so that a handler of its own may call this. Idempotent.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

signals:
    // Once, after the window is first shown.
    void Activated();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* Control(const char* name) const;
    QWidget* CreateControl(const ControlSpec& layout);

    QHash<QString, QWidget*> controls_;
    MousePointer pointer_ = MousePointer::Default;
    bool activationScheduled_ = false;
    bool unloaded_ = false;
};

}  // namespace coinwell::platform
