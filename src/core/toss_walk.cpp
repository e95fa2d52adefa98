#include "core/toss_walk.h"

#include <algorithm>
#include <array>

namespace coinwell::core {
namespace {

// Where a stretch of guests takes the balance: its change from the start, and
// the lowest it reaches after any of them.
struct Stretch {
    std::int8_t change = 0;
    std::int8_t lowest = 0;
};

// kUpToEight[n - 1][b]: the stretch of n guests (1 to 8) whose tosses are the
// low n bits of b; the other bits are not looked at.
constexpr auto kUpToEight = [] {
    std::array<std::array<Stretch, 256>, 8> stretches{};
    for (int guests = 1; guests <= 8; ++guests) {
        for (unsigned bits = 0; bits < 256; ++bits) {
            int balance = 0;
            int lowest = guests;
            for (int guest = 0; guest < guests; ++guest) {
                balance += ((bits >> guest) & 1U) != 0 ? -1 : 1;
                lowest = std::min(lowest, balance);
            }
            stretches[guests - 1][bits] = {static_cast<std::int8_t>(balance), static_cast<std::int8_t>(lowest)};
        }
    }
    return stretches;
}();

// kSixteen[b]: the stretch of the 16 guests whose tosses are the bits of b,
// the first eight of it followed by the second. Filled as the program
// starts, in well under a millisecond: as a constant expression it would
// take some compilers past their limit of evaluation steps.
const auto kSixteen = [] {
    std::array<Stretch, 65536> stretches{};
    for (unsigned bits = 0; bits < stretches.size(); ++bits) {
        const Stretch first = kUpToEight[7][bits & 0xFFU];
        const Stretch second = kUpToEight[7][bits >> 8U];
        stretches[bits] = {static_cast<std::int8_t>(first.change + second.change),
                           static_cast<std::int8_t>(std::min<int>(first.lowest, first.change + second.lowest))};
    }
    return stretches;
}();

}  // namespace

// A lookup per sixteen guests and no branch on the tosses, which would go
// the wrong way every other guest: this walk is most of a run's time.
int lowestBalance(std::span<const std::uint64_t> tosses, int guests)
{
    int balance = 0;
    int lowest = 1;  // the first guest leaves +1 or -1, and nothing lower counts
    const auto walk = [&](const Stretch& stretch) {
        lowest = std::min(lowest, balance + stretch.lowest);
        balance += stretch.change;
    };
    const auto wholeWords = static_cast<std::size_t>(guests / 64);
    for (std::size_t word = 0; word < wholeWords; ++word) {
        const std::uint64_t bits = tosses[word];
        walk(kSixteen[bits & 0xFFFFU]);
        walk(kSixteen[(bits >> 16U) & 0xFFFFU]);
        walk(kSixteen[(bits >> 32U) & 0xFFFFU]);
        walk(kSixteen[bits >> 48U]);
    }
    // The last 0 to 63 guests, up to sixteen at a time, then up to eight.
    if (int rest = guests % 64; rest > 0) {
        std::uint64_t bits = tosses[wholeWords];
        for (; rest >= 16; rest -= 16, bits >>= 16U) {
            walk(kSixteen[bits & 0xFFFFU]);
        }
        for (; rest > 0; rest -= 8, bits >>= 8U) {
            walk(kUpToEight[static_cast<std::size_t>(std::min(rest, 8) - 1)][bits & 0xFFU]);
        }
    }
    return lowest;
}

}  // namespace coinwell::core
