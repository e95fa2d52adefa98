#pragma once

#include "core/drawing.h"

#include <string>

namespace coinwell::testing {

// Sets a message as its source with its arguments substituted, each
// character `narrow` units wide, or `wide` for one outside ASCII (a
// full-width bracket, a kanji).
class FakeSetter final : public core::TextSetter {
public:
    FakeSetter(double narrow, double wide, double line) : narrow_(narrow), wide_(wide)
    {
        lineHeight = line;
        ascent = 0.75 * line;
        digitWidth = narrow;
    }

    std::string text(const core::Message& message) const override
    {
        std::string text;
        const std::string& source = message.source;
        for (std::size_t i = 0; i < source.size(); ++i) {
            const std::size_t arg = i + 1 < source.size() ? std::size_t(source[i + 1] - '1') : 99;
            if (source[i] == '%' && arg < message.args.size()) {
                text += this->text(message.args[arg]);
                ++i;
            } else if (source.compare(i, 2, "%n") == 0 && message.count) {
                text += std::to_string(*message.count);
                ++i;
            } else {
                text += source[i];
            }
        }
        return text;
    }

    double width(const std::string& text) const override
    {
        double width = 0.0;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                width += narrow_;
            } else if (byte >= 0xC0) {  // the first byte of a character outside ASCII
                width += wide_;
            }
        }
        return width;
    }

private:
    double narrow_;
    double wide_;
};

}  // namespace coinwell::testing
