// The chimes the build makes: well-formed 16-bit PCM mono wave files of the
// intended length, audible, click-free, rising or falling as their cue asks,
// and the same bytes every time they are made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le(const Bytes& bytes, std::size_t at, int byteCount)
{
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
    }
    return value;
}

std::string Tag(const Bytes& bytes, std::size_t at)
{
    return at + 4 <= bytes.size() ? std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                                 bytes.begin() + static_cast<std::ptrdiff_t>(at + 4))
                                  : std::string();
}

struct Wave {
    std::uint32_t formatTag = 0, channels = 0, sampleRate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

// Reads the header fields and the 16-bit samples, failing the test on a
// header that does not add up.
Wave ParseWave(const Bytes& bytes)
{
    Wave wave;
    if (Tag(bytes, 0) != "RIFF" || Tag(bytes, 8) != "WAVE" || Le(bytes, 4, 4) != bytes.size() - 8) {
        ADD_FAILURE() << "not a RIFF/WAVE file, or its RIFF size is wrong";
        return wave;
    }
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::size_t size = Le(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            ADD_FAILURE() << "chunk '" << Tag(bytes, at) << "' runs past the end";
            return wave;
        }
        if (Tag(bytes, at) == "fmt ") {
            wave.formatTag = Le(bytes, body, 2);
            wave.channels = Le(bytes, body + 2, 2);
            wave.sampleRate = Le(bytes, body + 4, 4);
            wave.byteRate = Le(bytes, body + 8, 4);
            wave.blockAlign = Le(bytes, body + 12, 2);
            wave.bits = Le(bytes, body + 14, 2);
        } else if (Tag(bytes, at) == "data" && wave.bits == 16) {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(Le(bytes, body + i, 2)));
            }
        }
        at = body + size + (size % 2);
    }
    return wave;
}

// The pitch over [from, to) seconds, from the zero crossings: the chime's
// overtone is too weak to add crossings of its own.
double PitchBetween(const Wave& wave, double from, double to)
{
    const auto first = static_cast<std::size_t>(from * wave.sampleRate);
    const auto last = std::min(static_cast<std::size_t>(to * wave.sampleRate), wave.samples.size());
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i) {
        crossings += (wave.samples[i - 1] < 0) != (wave.samples[i] < 0) ? 1 : 0;
    }
    return crossings / 2.0 / (to - from);
}

struct ChimeCase {
    const char* fileName;
    const char* kind;  // what make_chime calls it
    double seconds;
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
        wave_ = ParseWave(ReadAll(Path()));
        ASSERT_GT(wave_.sampleRate, 0u) << Path();
        ASSERT_FALSE(wave_.samples.empty()) << Path();
    }
    std::filesystem::path Path() const { return std::filesystem::path(COINWELL_TEST_DATA_DIR) / GetParam().fileName; }

    Wave wave_;
};

TEST_P(ChimeFileTest, IsMonoSixteenBitPcmOfTheIntendedLength)
{
    EXPECT_EQ(wave_.formatTag, 1u);
    EXPECT_EQ(wave_.channels, 1u);
    EXPECT_EQ(wave_.bits, 16u);
    EXPECT_TRUE(wave_.sampleRate == 22050 || wave_.sampleRate == 44100) << wave_.sampleRate;
    EXPECT_EQ(wave_.blockAlign, 2u);
    EXPECT_EQ(wave_.byteRate, wave_.sampleRate * 2);
    EXPECT_NEAR(static_cast<double>(wave_.samples.size()) / wave_.sampleRate, GetParam().seconds, 0.1);
}

TEST_P(ChimeFileTest, IsAudibleWithoutClippingOrClicks)
{
    const std::vector<std::int16_t>& s = wave_.samples;
    const auto loudness = [](std::int16_t v) { return std::abs(static_cast<int>(v)); };
    int peak = 0;
    double energy = 0.0;
    for (std::int16_t v : s) {
        peak = std::max(peak, loudness(v));
        energy += static_cast<double>(v) * v;
    }
    EXPECT_GT(peak, 32767 / 4) << "too quiet to hear";
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(std::sqrt(energy / static_cast<double>(s.size())), 500.0) << "mostly silence";

    // Starts from silence and dies away to it, so neither end clicks, yet
    // still rings in its last fifth rather than stopping short.
    EXPECT_LT(loudness(s.front()), 200);
    EXPECT_LT(loudness(s.back()), 200);
    int tailPeak = 0;
    for (std::size_t i = s.size() * 4 / 5; i < s.size(); ++i) {
        tailPeak = std::max(tailPeak, loudness(s[i]));
    }
    EXPECT_GT(tailPeak, 100);
}

TEST_P(ChimeFileTest, SecondNoteRisesOrFallsFromTheFirst)
{
    // The first note alone, then late on where the second note dominates.
    const double first = PitchBetween(wave_, 0.02, 0.15);
    const double second = PitchBetween(wave_, 0.50, 0.70);
    for (double pitch : {first, second}) {
        EXPECT_GT(pitch, 200.0);
        EXPECT_LT(pitch, 2000.0);
    }
    if (GetParam().rising) {
        EXPECT_GT(second, first * 1.1) << first << " Hz then " << second << " Hz";
    } else {
        EXPECT_LT(second, first / 1.1) << first << " Hz then " << second << " Hz";
    }
}

TEST_P(ChimeFileTest, MakingItAgainGivesTheSameBytes)
{
    const std::filesystem::path again = std::filesystem::temp_directory_path() /
                                        ("coinwell-chime-" + std::to_string(::getpid()) + "-" + GetParam().kind + ".wav");
    const std::string command =
        std::string("\"") + COINWELL_MAKE_CHIME + "\" " + GetParam().kind + " \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const Bytes made = ReadAll(again);
    std::filesystem::remove(again);
    EXPECT_FALSE(made.empty());
    EXPECT_TRUE(made == ReadAll(Path())) << "the generator's output varies between runs";
}

INSTANTIATE_TEST_SUITE_P(Chimes, ChimeFileTest,
                         ::testing::Values(ChimeCase{"pinpon.wav", "rising", 0.8, true},
                                           ChimeCase{"endpinpon.wav", "falling", 1.0, false}),
                         [](const ::testing::TestParamInfo<ChimeCase>& info) { return std::string(info.param.kind); });

}  // namespace
