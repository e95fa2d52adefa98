#pragma once

#include <string>

namespace coinwell::core {

// Writes a value with the pattern "#####.0": no leading zeros (an integer part
// of 0 is left out), always the point, exactly one decimal, a leading "-" for
// negatives. Halves round away from zero (-0.25 gives "-.3"), and a value that
// rounds to zero is written without a sign (-0.001 gives ".0").
std::string formatOneDecimal(double value);

// A value with a fixed number of decimals, as the reports and the table
// write it: an exact half rounded away from zero.
std::string fixedDecimals(double value, int decimals);

}  // namespace coinwell::core
