#pragma once

#include <string_view>

namespace coinwell::core {

// The number a text begins with. Leading blanks (also tabs, line breaks and
// the ideographic blank U+3000) are skipped; then an optional sign and decimal
// digits with at most one point are read, up to the first character that
// cannot continue the number. Full-width digits, signs and point read as
// their ASCII counterparts. A text that does not begin with a number reads
// as 0; a number too large for a double reads as infinity.
double readNumber(std::u16string_view text);

}  // namespace coinwell::core
