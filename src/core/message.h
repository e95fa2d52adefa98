#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every text a user reads or hears, as the core chooses it: a phrase of the
// catalogue and what fills it in. The front ends translate it, from the one
// catalogue; the English source is the catalogue's key.
namespace coinwell::core {

// A phrase of the catalogue: its translation context and English source.
// A plural phrase has %n for its count and one form per count the
// language tells apart, "%n coin(s)" in the source.
struct Phrase {
    std::string_view context;
    std::string_view source;
    bool plural = false;
};

// The translations test finds every phrase by these two names.
constexpr Phrase phrase(std::string_view context, std::string_view source) { return {context, source, false}; }
constexpr Phrase plural(std::string_view context, std::string_view source) { return {context, source, true}; }

struct Message {
    std::string context;  // empty: the source is shown as it is, a number or a formula
    std::string source;
    std::vector<Message> args;  // for %1, %2, ..., each replaced once
    std::optional<int> count;   // for %n, and the plural form it takes

    bool operator==(const Message&) const = default;
};

Message say(const Phrase& phrase, std::vector<Message> args = {});
Message sayCount(const Phrase& phrase, int count, std::vector<Message> args = {});
// A text no catalogue translates.
Message verbatim(std::string text);
Message number(long long value);
// Sentences one after another, a blank between each two.
Message sentences(std::vector<Message> parts);

}  // namespace coinwell::core
