#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace coinwell::core {

// The number a text begins with. Leading blanks (also tabs, line breaks and
// the ideographic blank U+3000) are skipped; then an optional sign and decimal
// digits with at most one point are read, up to the first character that
// cannot continue the number. Full-width digits, signs and point read as
// their ASCII counterparts. A text that does not begin with a number reads
// as 0; a number too large for a double reads as infinity.
double readNumber(std::u16string_view text);

// A whole number in plain decimal digits from 0 to 2^64 - 1, and nothing
// else: no sign, blank, point or exponent, which a script that passes it
// would more likely have got wrong than meant. None for any other text.
std::optional<std::uint64_t> readWholeNumber(std::string_view text);

}  // namespace coinwell::core
