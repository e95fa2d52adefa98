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
class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script) : script_(std::move(script)) {}

    void reseed(float seed) override { calls.append("R").append(std::to_string(seed)).append(" "); }

    void fill(std::span<float> draws) override
    {
        calls += "F ";
        for (float& draw : draws) {
            ASSERT_LT(served_, script_.size()) << "more draws taken than scripted";
            draw = script_[served_++];
        }
    }

    std::string calls;

private:
    std::vector<float> script_;
    std::size_t served_ = 0;
};

// A time of day that moves by `step` at each reading; onRead runs on every
// reading, which a run makes once per experiment.
class FakeClock final : public engine::Clock {
public:
    explicit FakeClock(float seconds = 45296.25F, float step = 0.0F) : seconds_(seconds), step_(step) {}

    float secondsSinceMidnight() override
    {
        ++reads;
        if (onRead) {
            onRead();
        }
        const float now = seconds_;
        seconds_ += step_;
        return now;
    }

    int reads = 0;
    std::function<void()> onRead;

private:
    float seconds_;
    float step_;
};

}  // namespace coinwell::testing
