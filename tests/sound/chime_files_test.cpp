// The chimes the build makes (the cue player tests show that Qt reads them):
// audible without clipping, and rising or falling as their cue asks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kSampleRate = 22050.0;
constexpr std::size_t kHeaderBytes = 44;

// The pitch over [from, to) seconds, from the zero crossings: the chime's
// overtone is too weak to add crossings of its own.
double pitchBetween(const std::vector<std::int16_t>& samples, double from, double to)
{
    const auto last = std::min(static_cast<std::size_t>(to * kSampleRate), samples.size());
    int crossings = 0;
    for (auto i = static_cast<std::size_t>(from * kSampleRate) + 1; i < last; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    }
    return crossings / 2.0 / (to - from);
}

TEST(ChimeFiles, AreAudibleAndRiseOrFallAsTheirCueAsks)
{
    for (const auto& [name, rising] : {std::pair{"pinpon.wav", true}, std::pair{"endpinpon.wav", false}}) {
        std::ifstream in(std::string(COINWELL_TEST_DATA_DIR "/") + name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_GT(bytes.size(), kHeaderBytes) << name;
        std::vector<std::int16_t> samples((bytes.size() - kHeaderBytes) / 2);
        std::copy_n(bytes.data() + kHeaderBytes, samples.size() * 2, reinterpret_cast<char*>(samples.data()));

        int peak = 0;
        for (const std::int16_t sample : samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_GT(peak, 32767 / 4) << name << " is too quiet to hear";
        EXPECT_LT(peak, 32767) << name << " is clipped";
        // The first note alone, then late on where the second note dominates.
        const double first = pitchBetween(samples, 0.02, 0.15);
        const double second = pitchBetween(samples, 0.50, 0.70);
        EXPECT_GT(rising ? second / first : first / second, 1.1) << name << ": " << first << " Hz, then " << second;
    }
}

}  // namespace
