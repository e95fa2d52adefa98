#pragma once

#include "platform/forms/form.h"
#include "platform/forms/windows.h"

namespace coinwell::help_window {

// The help window. Its text is printed into the picture box once the window
// has first been shown; "Close" unloads it and brings the main window back.
// Closing it from the title bar only unloads it.
class Form2 final : public platform::Form {
    Q_OBJECT

public:
    explicit Form2(platform::Windows& windows);

private:
    void OnActivated();
    void OnCloseClicked();

    platform::Windows& windows_;
};

}  // namespace coinwell::help_window
