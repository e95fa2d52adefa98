#include "platform/forms/window_registry.h"

#include "platform/forms/form.h"

#include <algorithm>

namespace coinwell::platform {

WindowRegistry::WindowRegistry(Program& program) : program_(program) {}

WindowRegistry::~WindowRegistry()
{
    auto loaded = std::move(loaded_);
    loaded_.clear();
    for (auto& [name, form] : loaded) {
        disconnect(form, nullptr, this, nullptr);
        delete form;
    }
}

void WindowRegistry::Register(const std::string& formName, Factory factory)
{
    factories_[formName] = std::move(factory);
}

Form* WindowRegistry::Loaded(std::string_view formName) const
{
    const auto it = loaded_.find(formName);
    if (it == loaded_.end() || it->second->IsUnloaded()) {
        return nullptr;
    }
    return it->second;
}

void WindowRegistry::Show(std::string_view formName)
{
    if (program_.HasEnded()) {
        return;
    }
    Form* form = Loaded(formName);
    if (form == nullptr) {
        const auto factory = factories_.find(formName);
        if (factory == factories_.end()) {
            return;
        }
        form = factory->second();
        loaded_[std::string(formName)] = form;
        connect(form, &QObject::destroyed, this, &WindowRegistry::Forget);
    }
    form->show();
    form->raise();
    form->activateWindow();
}

void WindowRegistry::Forget(QObject* form)
{
    std::erase_if(loaded_, [form](const auto& entry) { return entry.second == form; });
    const bool anyLeft = std::any_of(loaded_.begin(), loaded_.end(),
                                     [](const auto& entry) { return !entry.second->IsUnloaded(); });
    if (!anyLeft) {
        program_.End();
    }
}

}  // namespace coinwell::platform
