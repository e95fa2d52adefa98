#pragma once

#include "engine/clock.h"
#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace coinwell::testing {

// Serves a fixed list of draws and logs each call: "R<seed> " per reseed,
// "F " per fill.
struct ScriptedRandom final : engine::RandomSource {
    explicit ScriptedRandom(std::vector<float> draws) : script(std::move(draws)) {}

    void reseed(float seed) override { calls.append("R").append(std::to_string(seed)).append(" "); }

    void fill(std::span<float> draws) override
    {
        calls += "F ";
        for (float& draw : draws) {
            ASSERT_LT(served, script.size()) << "more draws taken than scripted";
            draw = script[served++];
        }
    }

    std::vector<float> script;
    std::size_t served = 0;
    std::string calls;
};

// A time of day that moves by `step` at each reading; onRead runs on every
// reading, which a run makes once per experiment.
struct FakeClock final : engine::Clock {
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
