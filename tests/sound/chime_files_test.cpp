// The chimes the build makes (the cue player tests show that Qt reads them):
// their header agrees with their samples, and they are audible, clean, and
// rising or falling as their cue asks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::uint32_t Le(const std::string& bytes, std::size_t at, int byteCount)
{
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return value;
}

struct ChimeCase {
    const char* fileName;
    bool rising;
};

void PrintTo(const ChimeCase& c, std::ostream* out)
{
    *out << c.fileName;
}

class ChimeFileTest : public ::testing::TestWithParam<ChimeCase> {
protected:
    void SetUp() override
    {
        std::ifstream in(std::string(COINWELL_TEST_DATA_DIR "/") + GetParam().fileName, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes_.size(), 44u);
        rate_ = Le(bytes_, 24, 4);
        ASSERT_GT(rate_, 0u);
        for (std::size_t at = 44; at + 1 < bytes_.size(); at += 2) {
            samples_.push_back(static_cast<std::int16_t>(Le(bytes_, at, 2)));
        }
    }

    // The pitch over [from, to) seconds, from the zero crossings: the chime's
    // overtone is too weak to add crossings of its own.
    double PitchBetween(double from, double to) const
    {
        const auto last = std::min(static_cast<std::size_t>(to * rate_), samples_.size());
        int crossings = 0;
        for (auto i = static_cast<std::size_t>(from * rate_) + 1; i < last; ++i) {
            crossings += (samples_[i - 1] < 0) != (samples_[i] < 0) ? 1 : 0;
        }
        return crossings / 2.0 / (to - from);
    }

    std::string bytes_;
    std::uint32_t rate_ = 0;
    std::vector<std::int16_t> samples_;
};

// The samples are read as 16-bit mono straight after a 44-byte header.
TEST_P(ChimeFileTest, HeaderDescribesTheSamples)
{
    const auto size = static_cast<std::uint32_t>(bytes_.size());
    struct Field {
        const char* name;
        std::size_t at;
        int width;
        std::uint32_t expected;
    };
    for (const Field& field : {Field{"file size", 4, 4, size - 8}, Field{"PCM", 20, 2, 1}, Field{"channels", 22, 2, 1},
                               Field{"byte rate", 28, 4, rate_ * 2}, Field{"block align", 32, 2, 2},
                               Field{"bits", 34, 2, 16}, Field{"data size", 40, 4, size - 44}}) {
        EXPECT_EQ(Le(bytes_, field.at, field.width), field.expected) << field.name;
    }
    EXPECT_EQ(bytes_.substr(36, 4), "data");
}

TEST_P(ChimeFileTest, IsAudibleWithoutClippingOrClicks)
{
    int peak = 0;
    int jump = 0;  // between neighbouring samples, from the silence before
    double energy = 0.0;
    std::int16_t previous = 0;
    for (const std::int16_t v : samples_) {
        peak = std::max(peak, std::abs(static_cast<int>(v)));
        jump = std::max(jump, std::abs(v - previous));
        energy += static_cast<double>(v) * v;
        previous = v;
    }
    EXPECT_GT(peak, 32767 / 4) << "too quiet to hear";
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(std::sqrt(energy / static_cast<double>(samples_.size())), 500.0) << "mostly silence";
    EXPECT_LT(jump, 32767 / 4) << "clicks";
    EXPECT_LT(std::abs(static_cast<int>(previous)), 200) << "cut off with a click";
}

TEST_P(ChimeFileTest, SecondNoteRisesOrFallsFromTheFirst)
{
    // The first note alone, then late on where the second note dominates.
    const double first = PitchBetween(0.02, 0.15);
    const double second = PitchBetween(0.50, 0.70);
    for (const double pitch : {first, second}) {
        EXPECT_GT(pitch, 200.0);
        EXPECT_LT(pitch, 2000.0);
    }
    EXPECT_GT(GetParam().rising ? second / first : first / second, 1.1) << first << " Hz then " << second << " Hz";
}

INSTANTIATE_TEST_SUITE_P(Chimes, ChimeFileTest,
                         ::testing::Values(ChimeCase{"pinpon.wav", true}, ChimeCase{"endpinpon.wav", false}),
                         [](const ::testing::TestParamInfo<ChimeCase>& info) {
                             return std::string(info.param.rising ? "Rising" : "Falling");
                         });

}  // namespace
