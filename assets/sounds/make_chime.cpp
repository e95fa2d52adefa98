// Writes the two chimes the main window plays as 16-bit PCM mono wave files:
//
//   make_chime rising  <out.wav>   pinpon.wav, played by Init and Help
//   make_chime falling <out.wav>   endpinpon.wav, the longer chime played by Exit
//
// Each chime is two struck notes: a sine with a little second harmonic, a
// short soft attack and an exponential decay; the second note starts while
// the first still rings. The output depends on nothing but the arguments, so
// every build writes the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kPeak = 0.6;             // loudest sample, of full scale
constexpr double kAttackSeconds = 0.006;  // soft onset, no click
constexpr double kFadeSeconds = 0.03;     // taper to zero at the very end

struct Note {
    double startSeconds;
    double frequency;
    double decaySeconds;  // time for the note to fall to 1/e
    double level;
};

struct Chime {
    double seconds;
    std::vector<Note> notes;
};

// E5 and C5: a major third, like a door chime.
constexpr double kE5 = 659.255;
constexpr double kC5 = 523.251;

Chime RisingChime()
{
    return {0.8, {{0.00, kC5, 0.16, 0.9}, {0.22, kE5, 0.20, 1.0}}};
}

Chime FallingChime()
{
    return {1.0, {{0.00, kE5, 0.18, 1.0}, {0.30, kC5, 0.26, 0.95}}};
}

double NoteSample(const Note& note, double t)
{
    const double local = t - note.startSeconds;
    if (local < 0.0) {
        return 0.0;
    }
    const double attack =
        local < kAttackSeconds ? 0.5 - 0.5 * std::cos(std::numbers::pi * local / kAttackSeconds) : 1.0;
    const double phase = 2.0 * std::numbers::pi * note.frequency * local;
    // The harmonic dies away faster than the fundamental, as on a struck bar.
    const double body = std::sin(phase) * std::exp(-local / note.decaySeconds);
    const double overtone = 0.25 * std::sin(2.0 * phase) * std::exp(-2.0 * local / note.decaySeconds);
    return note.level * attack * (body + overtone);
}

std::vector<std::int16_t> Render(const Chime& chime)
{
    const auto count = static_cast<std::size_t>(std::lround(chime.seconds * kSampleRate));
    std::vector<double> mix(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        for (const Note& note : chime.notes) {
            mix[i] += NoteSample(note, t);
        }
        const double untilEnd = static_cast<double>(count - 1 - i) / kSampleRate;
        if (untilEnd < kFadeSeconds) {
            mix[i] *= untilEnd / kFadeSeconds;
        }
    }
    double loudest = 0.0;
    for (double v : mix) {
        loudest = std::max(loudest, std::abs(v));
    }
    const double gain = loudest > 0.0 ? kPeak * 32767.0 / loudest : 0.0;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(std::lround(mix[i] * gain));
    }
    return samples;
}

void PutU32(std::vector<unsigned char>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xFFu));
    }
}

void PutU16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFFu));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFFu));
}

void PutTag(std::vector<unsigned char>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

// A canonical 44-byte header followed by the samples, little-endian
// whatever the machine.
std::vector<unsigned char> WaveFile(const std::vector<std::int16_t>& samples)
{
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, kChannels);
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * kBlockAlign);
    PutU16(out, kBlockAlign);
    PutU16(out, kBits);
    PutTag(out, "data");
    PutU32(out, dataBytes);
    for (std::int16_t s : samples) {
        PutU16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_chime rising|falling <out.wav>\n");
        return 2;
    }
    const std::string_view kind = argv[1];
    Chime chime;
    if (kind == "rising") {
        chime = RisingChime();
    } else if (kind == "falling") {
        chime = FallingChime();
    } else {
        std::fprintf(stderr, "make_chime: unknown chime '%s'\n", argv[1]);
        return 2;
    }

    const std::vector<unsigned char> bytes = WaveFile(Render(chime));
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_chime: cannot write '%s'\n", argv[2]);
        return 1;
    }
    return 0;
}
