#pragma once

#include "platform/forms/program.h"
#include "platform/forms/windows.h"

#include <QObject>

#include <functional>
#include <map>
#include <string>

namespace coinwell::platform {

class Form;

// Creates windows by name and keeps track of the loaded ones. A window that
// is not loaded is created afresh from its factory when shown; once no window
// is left, the program ends.
class WindowRegistry final : public QObject, public Windows {
    Q_OBJECT

public:
    using Factory = std::function<Form*()>;

    explicit WindowRegistry(Program& program);
    ~WindowRegistry() override;

    void Register(const std::string& formName, Factory factory);
    void Show(std::string_view formName) override;

    // The loaded window of that name, or nullptr.
    Form* Loaded(std::string_view formName) const;

private:
    void Forget(QObject* form);

    Program& program_;
    std::map<std::string, Factory, std::less<>> factories_;
    std::map<std::string, Form*, std::less<>> loaded_;
};

}  // namespace coinwell::platform
