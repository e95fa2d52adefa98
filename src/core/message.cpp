#include "core/message.h"

namespace coinwell::core {

Message say(const Phrase& phrase, std::vector<Message> args)
{
    return {std::string(phrase.context), std::string(phrase.source), std::move(args), std::nullopt};
}

Message sayCount(const Phrase& phrase, int count, std::vector<Message> args)
{
    return {std::string(phrase.context), std::string(phrase.source), std::move(args), count};
}

Message verbatim(std::string text) { return {{}, std::move(text), {}, std::nullopt}; }

Message number(long long value) { return verbatim(std::to_string(value)); }

Message sentences(std::vector<Message> parts)
{
    std::string pattern;
    for (std::size_t i = 1; i <= parts.size(); ++i) {
        pattern += (i > 1 ? " %" : "%") + std::to_string(i);
    }
    return {{}, std::move(pattern), std::move(parts), std::nullopt};
}

}  // namespace coinwell::core
