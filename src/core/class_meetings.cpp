#include "core/class_meetings.h"

#include "core/goodness_of_fit.h"
#include "core/one_decimal.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace coinwell::core {
namespace {

// The next code point of UTF-8 `text` from `at` on, which it moves past; a
// byte that starts no character reads as itself.
char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(at);
    const int length = first < 0x80 ? 1 : (first >> 5U) == 0x6 ? 2 : (first >> 4U) == 0xE ? 3 : (first >> 3U) == 0x1E ? 4 : 1;
    if (at + static_cast<std::size_t>(length) > text.size()) {
        return byte(at++);
    }
    char32_t point = length == 1 ? first : first & (0x7FU >> static_cast<unsigned>(length));
    for (int i = 1; i < length; ++i) {
        point = (point << 6U) | (byte(at + static_cast<std::size_t>(i)) & 0x3FU);
    }
    at += static_cast<std::size_t>(length);
    return point;
}

// Full-width forms as ASCII, the minus sign as a hyphen; anything else
// outside ASCII as a character no entry has.
char asAscii(char32_t point)
{
    if (point >= 0xFF01 && point <= 0xFF5E) {
        point -= 0xFEE0;
    } else if (point == 0x2212) {
        point = '-';
    } else if (point == 0x3000) {
        point = ' ';
    } else if (point == 0x3001) {
        point = ',';
    }
    return point < 0x80 ? static_cast<char>(point) : '\x7F';
}

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',' || c == ';'; }

// The shortage of a meeting's tosses, each H, h or 1 for a guest who pays
// with a coin and anything else for one who takes change.
int shortageOfTosses(const std::string& tosses)
{
    int balance = 0;
    int lowest = 1;
    for (const char toss : tosses) {
        balance += toss == 'H' || toss == 'h' || toss == '1' ? 1 : -1;
        lowest = std::min(lowest, balance);
    }
    return lowest;
}

// How the shortage worked out from a meeting's tosses is noted after them.
constexpr std::string_view kNoteStart = "(= ";

bool allOf(const std::string& text, std::string_view letters)
{
    return !text.empty() && text.find_first_not_of(letters) == std::string::npos;
}

}  // namespace

ClassEntry readClassMeetings(std::string_view text, int guests)
{
    ClassEntry entry;
    // How the text reads back: the worked-out shortage noted after each
    // meeting typed as tosses, in place of the note it had from last time.
    struct Edit {
        std::size_t from;
        std::size_t to;
        std::string insert;
    };
    std::vector<Edit> edits;
    bool afterTosses = false;  // nothing but blanks since a meeting typed as tosses
    std::size_t at = 0;
    while (at < text.size() && !entry.error) {
        std::size_t next = at;
        const char c = asAscii(nextCodePoint(text, next));
        if (c == '(') {
            // A note, up to its closing bracket, is no entry.
            const std::size_t open = at;
            at = next;
            while (at < text.size() && asAscii(nextCodePoint(text, at)) != ')') {
            }
            const std::string_view note = text.substr(open, at - open);
            if (afterTosses && note.starts_with(kNoteStart) && note.ends_with(')')) {
                std::size_t from = open;
                while (from > 0 && (text[from - 1] == ' ' || text[from - 1] == '\t')) {
                    --from;
                }
                edits.push_back({from, at, {}});
            }
            afterTosses = false;
            continue;
        }
        if (isSeparator(c)) {
            afterTosses = afterTosses && c != ',' && c != ';' && c != '\n' && c != '\r';
            at = next;
            continue;
        }
        // One entry: its characters as ASCII, and where it stands as typed.
        const std::size_t first = at;
        std::string ascii(1, c);
        at = next;
        while (at < text.size()) {
            const char d = asAscii(nextCodePoint(text, next));
            if (isSeparator(d) || d == '(') {
                break;
            }
            ascii += d;
            at = next;
        }
        const Message shown = verbatim(std::string(text.substr(first, at - first)));
        const std::string digits = ascii[0] == '-' || ascii[0] == '+' ? ascii.substr(1) : ascii;
        afterTosses = allOf(ascii, "HhTt") || (allOf(ascii, "01") && ascii.size() >= 3);
        if (afterTosses) {
            if (static_cast<int>(ascii.size()) != guests) {
                entry.error = sayCount(plural("coinwell::class", "'%1' has %n toss(es), but each meeting here has %2 guests"),
                                       static_cast<int>(ascii.size()), {shown, number(guests)});
                break;
            }
            entry.shortages.push_back(shortageOfTosses(ascii));
            edits.push_back({at, at, " " + std::string(kNoteStart) + std::to_string(entry.shortages.back()) + ")"});
        } else if (allOf(digits, "0123456789")) {
            const long long value = digits.size() > 9 ? -(1LL << 40) : std::stoll(ascii);
            if (value < -guests || value > 1) {
                entry.error = say(phrase("coinwell::class", "'%1' is not possible with %2 guests: a shortage lies between %3 and 1"),
                                  {shown, number(guests), number(-guests)});
                break;
            }
            entry.shortages.push_back(static_cast<int>(value));
        } else {
            entry.error = say(phrase("coinwell::class", "'%1' is neither a shortage nor a meeting's tosses: write a whole "
                                                        "number from %2 to 1, or %3 letters H and T"),
                              {shown, number(-guests), number(guests)});
            break;
        }
    }
    if (entry.error) {
        entry.shortages.clear();
        return entry;
    }
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        entry.text.append(text.substr(copied, edit.from - copied)).append(edit.insert);
        copied = edit.to;
    }
    entry.text.append(text.substr(copied));
    return entry;
}

ClassSummary classSummary(const std::vector<int>& shortages, const ShortageLaw& law)
{
    ShortageCounts counts(law.guests());
    long long sum = 0;
    for (const int shortage : shortages) {
        counts.count(shortage);
        sum += shortage;
    }
    const auto n = static_cast<long long>(shortages.size());
    return {n, n > 0 ? static_cast<double>(sum) / static_cast<double>(n) : 0.0, chiSquareTest(counts, law)};
}

std::vector<Message> classMeetingsLines(const std::vector<int>& shortages, const ShortageLaw& law)
{
    const ClassSummary summary = classSummary(shortages, law);
    std::vector<Message> lines{say(phrase("coinwell::class", "The class's meetings: %1, average shortage %2"),
                                   {number(summary.meetings), verbatim(fixedDecimals(summary.average, 2))})};
    if (const std::optional<ChiSquareTest>& test = summary.test) {
        lines.push_back(say(phrase("coinwell::class", "Chi-square against the exact law: %1 with %2 degrees of freedom, "
                                                      "p-value %3"),
                            {verbatim(fixedDecimals(test->statistic, 2)), number(test->degreesOfFreedom),
                             verbatim(fixedDecimals(test->pValue, 4))}));
    } else {
        lines.push_back(say(phrase("coinwell::class", "Too few meetings for a chi-square test against the exact law")));
    }
    return lines;
}

}  // namespace coinwell::core
