#pragma once

#include <string>

namespace coinwell::platform {

// A media control driven through two string properties: the file to open and
// the command to carry out ("Stop", "Close", "Open", "Sound"). It reports
// nothing back; a command that cannot be carried out is dropped silently.
class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual void SetFileName(const std::string& fileName) = 0;
    virtual void SetCommand(const std::string& command) = 0;
};

}  // namespace coinwell::platform
