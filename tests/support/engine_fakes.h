#pragma once

#include "core/clock.h"
#include "core/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace coinwell::testing {

// The balance after each of the guests whose tosses are the low bits of
// `tosses` (a set bit pays with a coin), walked guest by guest, and the
// lowest of them.
inline std::vector<int> walkOf(unsigned tosses, int guests)
{
    std::vector<int> balances;
    for (int guest = 0, balance = 0; guest < guests; ++guest) {
        balances.push_back(balance += ((tosses >> guest) & 1U) != 0 ? 1 : -1);
    }
    return balances;
}
inline int lowestBalanceOf(unsigned tosses, int guests)
{
    const std::vector<int> walk = walkOf(tosses, guests);
    return *std::min_element(walk.begin(), walk.end());
}

// Serves scripted tosses, one string of them per fill ('+' a guest paying
// with a coin, '-' one taking a coin back), and logs each call: "R<seed> " per
// reseed, "F " per fill. The bits past a string's end are '-': an experiment
// that read them would come out lower.
struct ScriptedRandom final : core::RandomSource {
    explicit ScriptedRandom(std::vector<std::string> fills) : script(std::move(fills)) {}

    void reseed(float seed) override { calls.append("R").append(std::to_string(seed)).append(" "); }

    void fill(std::span<std::uint64_t> words) override
    {
        calls += "F ";
        ASSERT_LT(served, script.size()) << "more fills than scripted";
        const std::string& tosses = script[served++];
        ASSERT_EQ(words.size(), (tosses.size() + 63) / 64) << "one word per 64 guests";
        std::fill(words.begin(), words.end(), ~std::uint64_t{0});
        for (std::size_t guest = 0; guest < tosses.size(); ++guest) {
            if (tosses[guest] == '+') {
                words[guest / 64] &= ~(std::uint64_t{1} << (guest % 64));
            }
        }
    }

    std::vector<std::string> script;
    std::size_t served = 0;
    std::string calls;
};

// A time of day that moves by `step` at each reading; onRead runs on every
// reading, which a run makes once per experiment.
struct FakeClock final : core::Clock {
    explicit FakeClock(float start = 45296.25F, float perReading = 0.0F) : seconds(start), step(perReading) {}

    float secondsSinceMidnight() override
    {
        ++reads;
        if (onRead) {
            onRead();
        }
        seconds += step;
        return seconds - step;
    }

    float seconds;
    float step;
    int reads = 0;
    std::function<void()> onRead;
};

}  // namespace coinwell::testing
