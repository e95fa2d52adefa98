#pragma once

#include <cstdint>
#include <span>

namespace coinwell::core {

// The shortage of an experiment whose guests toss the bits of `tosses` in
// order, from the lowest bit of the first word up: the lowest balance after
// any of the first `guests` guests, starting from 0 (which itself does not
// count). A clear bit is a guest who pays with a coin (+1), a set one a guest
// who takes a coin back as change (-1), as a draw below 0.5 and one of 0.5 or
// more would: the bit is the draw's first binary digit. `tosses` holds at
// least `guests` bits, and `guests` is at least 1.
int lowestBalance(std::span<const std::uint64_t> tosses, int guests);

}  // namespace coinwell::core
