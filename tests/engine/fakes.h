#pragma once

#include "platform/runtime/clock.h"
#include "platform/runtime/random_source.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace coinwell::testing {

// Serves a fixed list of draws and writes down every call, in order, so a
// test can see what was re-seeded with and when the draws were taken.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> script) : script_(std::move(script)) {}

    void Reseed(float seed) override
    {
        seeds.push_back(seed);
        calls += 'R';
    }

    void Fill(std::span<float> draws) override
    {
        calls += 'F';
        for (float& draw : draws) {
            if (served >= script_.size()) {
                ADD_FAILURE() << "more draws taken than scripted (" << script_.size() << ")";
                draw = 0.0F;
                continue;
            }
            draw = script_[served++];
        }
    }

    std::vector<float> seeds;
    std::string calls;  // 'R' per Reseed, 'F' per Fill
    std::size_t served = 0;

private:
    std::vector<float> script_;
};

// A time of day that only moves when the test moves it.
class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(float seconds, float step = 0.0F) : seconds_(seconds), step_(step) {}

    float SecondsSinceMidnight() override
    {
        ++readings;
        const float now = seconds_;
        seconds_ += step_;
        return now;
    }

    int readings = 0;

private:
    float seconds_;
    float step_;
};

}  // namespace coinwell::testing
