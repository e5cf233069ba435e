// A deterministic text renderer for painter tests: every character is a
// 6-pixel cell, every non-space one a solid 4 x 7 block; at a scale each
// length is multiplied by the scale and rounded.
#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "button/paint/text_renderer.h"
#include "common/utf8.h"

namespace torvel::testing {

class FakeTextRenderer final : public TextRenderer {
public:
    static constexpr int kCell = 6;
    static constexpr int kHeight = 13;
    static constexpr int kAscent = 10;
    static constexpr int kAverage = 5;

    struct DrawCall {
        std::string text;
        Point origin;
        Colour colour;
        Rect clip;
        double scale;
    };

    TextMetrics Metrics(const FontAttributes&) override { return {kHeight, kAscent, kAverage}; }

    int Width(const FontAttributes&, std::string_view text) override {
        return kCell * static_cast<int>(DecodeUtf8(text).size());
    }

    void Draw(Surface& surface, const FontAttributes& font, std::string_view text, Point origin, Colour colour,
              const Rect& clip) override {
        DrawAtScale(surface, font, text, origin, colour, clip, 1.0);
    }

    void DrawAtScale(Surface& surface, const FontAttributes&, std::string_view text, Point origin, Colour colour,
                     const Rect& clip, double scale) override {
        calls.push_back({std::string(text), origin, colour, clip, scale});
        const auto at = [scale](int length) { return static_cast<int>(std::lround(length * scale)); };
        int column = 0;
        for (const char32_t character : DecodeUtf8(text)) {
            if (character != U' ') {
                for (int y = origin.y + at(2); y < origin.y + at(9); ++y) {
                    for (int x = origin.x + at(column * kCell + 1); x < origin.x + at(column * kCell + 5); ++x) {
                        if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom) {
                            surface.SetPixel(x, y, colour);
                        }
                    }
                }
            }
            ++column;
        }
    }

    std::vector<DrawCall> calls;
};

}  // namespace torvel::testing
