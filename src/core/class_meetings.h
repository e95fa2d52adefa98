#pragma once

#include "core/goodness_of_fit.h"
#include "core/message.h"
#include "core/shortage_counts.h"
#include "core/shortage_law.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The meetings a class held by tossing real coins, as a teacher types or
// pastes them: one entry a meeting, its shortage or its tosses.
namespace coinwell::core {

// What an entry gave: every meeting's shortage, in the order typed, or the
// first entry that is none, named with what is allowed instead; then no
// meeting is taken. `text` is what was typed with the shortage worked out
// from each meeting's tosses noted after them, "HTTH (= -2)", in place of
// the note they had.
struct ClassEntry {
    std::vector<int> shortages;
    std::optional<Message> error;
    std::string text;
};

// Entries are separated by blanks, commas, semicolons or lines, as a column
// pasted from a spreadsheet is; full-width digits, signs and letters read as
// their ASCII counterparts. An entry is a whole number from -guests to +1,
// or a meeting's tosses, one letter a guest: H or 1 for a guest who pays
// with a coin, T or 0 for one who takes a coin as change, whose lowest
// balance is the shortage. Text in brackets is a note, and is skipped.
ClassEntry readClassMeetings(std::string_view text, int guests);

// How the class's meetings stand beside the law: their number and average,
// and the chi-square test against the law, none with too few meetings.
struct ClassSummary {
    long long meetings = 0;
    double average = 0.0;
    std::optional<ChiSquareTest> test;
};
ClassSummary classSummary(const std::vector<int>& shortages, const ShortageLaw& law);

// The same in lines of a report.
std::vector<Message> classMeetingsLines(const std::vector<int>& shortages, const ShortageLaw& law);

}  // namespace coinwell::core
