#pragma once

#include <string_view>

namespace coinwell::platform {

// Showing a window by its name: the forms runtime creates it afresh from its
// layout when it is not loaded, and shows it modeless without an owner.
class Windows {
public:
    virtual ~Windows() = default;
    virtual void Show(std::string_view formName) = 0;
};

}  // namespace coinwell::platform
