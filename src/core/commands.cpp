#include "core/commands.h"

#include "core/coins_ready.h"

namespace coinwell::core {

int sharePercent(Command command)
{
    const int index = static_cast<int>(command) - static_cast<int>(Command::Share90);
    return index >= 0 && index < static_cast<int>(kReadyPercents.size()) ? kReadyPercents[static_cast<std::size_t>(index)]
                                                                         : 0;
}

Message commandLabel(Command command)
{
    const int percent = sharePercent(command);
    return percent > 0 ? say(commandInfo(command).label, {number(percent)}) : say(commandInfo(command).label);
}

}  // namespace coinwell::core
