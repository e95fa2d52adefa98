#pragma once

#include "platform/runtime/drawing_surface.h"

#include <string>
#include <vector>

namespace coinwell::testing {

// Records every drawing step. Texts are 2 units wide a character and a
// printed line is 10 units high.
class RecordingSurface final : public platform::DrawingSurface {
public:
    enum class Kind { Cls, Line, Box, Print };

    struct Step {
        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        platform::Rgb colour{};
        std::string text;
    };

    static constexpr float kCharWidth = 2.0F;
    static constexpr float kLineHeight = 10.0F;

    std::vector<Step> steps;

    void Cls() override
    {
        steps.push_back({Kind::Cls, 0, 0, 0, 0, {}, {}});
        x_ = y_ = 0;
    }
    void Line(float x1, float y1, float x2, float y2, platform::Rgb colour) override
    {
        steps.push_back({Kind::Line, x1, y1, x2, y2, colour, {}});
        x_ = x2;
        y_ = y2;
    }
    void Box(float x1, float y1, float x2, float y2, platform::Rgb colour) override
    {
        steps.push_back({Kind::Box, x1, y1, x2, y2, colour, {}});
        x_ = x2;
        y_ = y2;
    }
    void SetCurrentX(float x) override { x_ = x; }
    void SetCurrentY(float y) override { y_ = y; }
    float CurrentX() const override { return x_; }
    float CurrentY() const override { return y_; }
    void Print(std::string_view text) override
    {
        steps.push_back({Kind::Print, x_, y_, 0, 0, {}, std::string(text)});
        x_ = 0;
        y_ += kLineHeight;
    }
    float TextWidth(std::string_view text) const override
    {
        return kCharWidth * static_cast<float>(text.size());
    }

private:
    float x_ = 0;
    float y_ = 0;
};

}  // namespace coinwell::testing
