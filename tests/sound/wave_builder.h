#pragma once

// Builds small RIFF files byte by byte, sound or deliberately broken, for the
// media control tests.
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <string_view>
#include <vector>

namespace coinwell::sound_test {

using Bytes = std::vector<unsigned char>;

inline void AppendLe(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i) {
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFFu));
    }
}

inline void AppendTag(Bytes& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

// One chunk: id, size, body and the pad byte an odd-sized body needs.
inline Bytes Chunk(std::string_view id, const Bytes& body)
{
    Bytes out;
    AppendTag(out, id);
    AppendLe(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        out.push_back(0);
    }
    return out;
}

inline Bytes FormatChunk(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    const std::uint32_t blockAlign = channels * bits / 8u;
    Bytes body;
    AppendLe(body, formatTag, 2);
    AppendLe(body, channels, 2);
    AppendLe(body, rate, 4);
    AppendLe(body, rate * blockAlign, 4);
    AppendLe(body, blockAlign, 2);
    AppendLe(body, bits, 2);
    return Chunk("fmt ", body);
}

// A tenth of a second of 440 Hz, 16-bit mono.
inline Bytes ToneDataChunk(std::uint32_t rate)
{
    Bytes body;
    for (std::uint32_t i = 0; i < rate / 10; ++i) {
        const double v = 8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / rate);
        AppendLe(body, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v))), 2);
    }
    return Chunk("data", body);
}

inline Bytes Riff(std::string_view form, std::initializer_list<Bytes> chunks)
{
    Bytes body;
    AppendTag(body, form);
    for (const Bytes& chunk : chunks) {
        body.insert(body.end(), chunk.begin(), chunk.end());
    }
    Bytes out;
    AppendTag(out, "RIFF");
    AppendLe(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline Bytes ShortTone()
{
    return Riff("WAVE", {FormatChunk(1, 1, 22050, 16), ToneDataChunk(22050)});
}

}  // namespace coinwell::sound_test
