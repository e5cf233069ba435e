// Text of the button's captions drawn with Qt's fonts onto the pixel surface.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "button/paint/text_renderer.h"

namespace torvel {

// Needs a QGuiApplication. Fonts are sized in pixels at 96 dots per inch;
// the classic sans-serif families fall back to metric-compatible ones where
// they are not installed. Each line of text is rendered once per scale into a
// coverage mask and kept, so repeated drawing of the same caption is a blend,
// with the same pixels as the first time.
class QtTextRenderer final : public TextRenderer {
public:
    QtTextRenderer();
    ~QtTextRenderer() override;

    TextMetrics Metrics(const FontAttributes& font) override;
    int Width(const FontAttributes& font, std::string_view text) override;
    void Draw(Surface& surface, const FontAttributes& font, std::string_view text, Point origin, Colour colour,
              const Rect& clip) override;
    void DrawAtScale(Surface& device, const FontAttributes& font, std::string_view text, Point origin, Colour colour,
                     const Rect& clip, double scale) override;

    // The Qt font for a font description.
    static QFont MakeFont(const FontAttributes& font);

private:
    // One line of text as coverage (0..255) relative to its origin.
    struct TextRun {
        int left = 0;  // offset of the mask from the line's top-left corner
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> coverage;
    };
    // A line of text at one scale.
    struct RunKey {
        std::string text;
        double scale = 1;

        friend auto operator<=>(const RunKey&, const RunKey&) = default;
    };
    struct FontEntry;

    FontEntry& Entry(const FontAttributes& font);
    static TextRun Render(const FontEntry& entry, const QString& text, double scale);

    std::vector<std::unique_ptr<FontEntry>> m_fonts;
    FontEntry* m_last = nullptr;
};

}  // namespace torvel
