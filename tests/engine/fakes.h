#pragma once

#include "engine/clock.h"
#include "engine/random_source.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace coinwell::testing {

// Serves a fixed list of draws and logs each call: "R<seed> " per reseed,
// "F " per fill.
class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script) : script_(std::move(script)) {}

    void reseed(float seed) override
    {
        calls += 'R';
        calls += std::to_string(seed);
        calls += ' ';
    }

    void fill(std::span<float> draws) override
    {
        calls += "F ";
        for (float& draw : draws) {
            if (served_ >= script_.size()) {
                ADD_FAILURE() << "more draws taken than the " << script_.size() << " scripted";
                return;
            }
            draw = script_[served_++];
        }
    }

    std::string calls;

private:
    std::vector<float> script_;
    std::size_t served_ = 0;
};

// A time of day that moves by `step` at each reading.
class FakeClock final : public engine::Clock {
public:
    explicit FakeClock(float seconds, float step = 0.0F) : seconds_(seconds), step_(step) {}

    float secondsSinceMidnight() override
    {
        const float now = seconds_;
        seconds_ += step_;
        return now;
    }

private:
    float seconds_;
    float step_;
};

}  // namespace coinwell::testing
