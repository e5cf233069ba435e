// Text in a rectangle: wrapped at word boundaries, each line centred.
#include "button/paint/draw_text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/cp1251.h"

namespace torvel {

namespace {

constexpr std::size_t kNoUnderline = std::string::npos;

// The text as drawn, with the access-key marks taken out.
struct DisplayText {
    std::string bytes;
    std::size_t underline = kNoUnderline;  // index into bytes
};

DisplayText StripPrefixes(std::string_view text) {
    DisplayText out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A lone "&" at the very end has nothing to mark and stays.
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && out.underline == kNoUnderline) out.underline = out.bytes.size();
        }
        out.bytes += text[i];
    }
    return out;
}

struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    int width = 0;
};

class Wrapper {
public:
    Wrapper(TextRenderer& renderer, const FontAttributes& font, const std::string& text)
        : m_renderer(renderer), m_font(font), m_text(text) {}

    int Measure(std::size_t begin, std::size_t end) const {
        return m_renderer.Width(m_font, Cp1251ToUtf8(std::string_view(m_text).substr(begin, end - begin)));
    }

    std::vector<Line> Wrap(int maxWidth) const {
        std::vector<Line> lines;
        std::size_t pos = 0;
        while (true) {
            std::size_t paragraphEnd = m_text.find_first_of("\r\n", pos);
            if (paragraphEnd == std::string::npos) paragraphEnd = m_text.size();
            WrapParagraph(pos, paragraphEnd, maxWidth, lines);
            if (paragraphEnd == m_text.size()) break;
            pos = paragraphEnd + 1;
            if (m_text[paragraphEnd] == '\r' && pos < m_text.size() && m_text[pos] == '\n') ++pos;
            // A break at the very end starts no further line.
            if (pos == m_text.size()) break;
        }
        return lines;
    }

private:
    void WrapParagraph(std::size_t start, std::size_t end, int maxWidth, std::vector<Line>& lines) const {
        do {
            std::size_t best = std::string::npos;
            int bestWidth = 0;
            std::size_t scan = start;
            while (true) {
                std::size_t wordBegin = scan;
                while (wordBegin < end && m_text[wordBegin] == ' ') ++wordBegin;
                if (wordBegin == end) break;
                std::size_t wordEnd = wordBegin;
                while (wordEnd < end && m_text[wordEnd] != ' ') ++wordEnd;
                const int width = Measure(start, wordEnd);
                if (best != std::string::npos && width > maxWidth) break;
                best = wordEnd;
                bestWidth = width;
                scan = wordEnd;
                // A first word wider than the line stands alone.
                if (width > maxWidth) break;
            }
            if (best == std::string::npos) {
                // Nothing but spaces, or an empty paragraph.
                lines.push_back({start, end, Measure(start, end)});
                return;
            }
            lines.push_back({start, best, bestWidth});
            start = best;
            while (start < end && m_text[start] == ' ') ++start;
        } while (start < end);
    }

    TextRenderer& m_renderer;
    const FontAttributes& m_font;
    const std::string& m_text;
};

struct Margins {
    int left = 0;
    int right = 0;
};

Margins MarginPixels(const TextMetrics& metrics, const DrawTextParams& params) {
    return {params.leftMargin * metrics.averageCharWidth, params.rightMargin * metrics.averageCharWidth};
}

int WrapWidth(const Rect& rect, const Margins& margins) {
    return static_cast<int>(
        std::max<std::int64_t>(0, std::int64_t{rect.right} - rect.left - margins.left - margins.right));
}

}  // namespace

int CalcTextRect(TextRenderer& renderer, const FontAttributes& font, std::string_view text, Rect& rect,
                 const DrawTextParams& params) {
    if (text.empty()) {
        rect.right = rect.left;
        rect.bottom = rect.top;
        return 0;
    }
    const TextMetrics metrics = renderer.Metrics(font);
    const Margins margins = MarginPixels(metrics, params);
    const DisplayText display = StripPrefixes(text);
    const std::vector<Line> lines = Wrapper(renderer, font, display.bytes).Wrap(WrapWidth(rect, margins));
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, line.width);
    const std::int64_t height = std::int64_t{metrics.height} * static_cast<std::int64_t>(lines.size());
    rect.right = SaturateCoordinate(std::int64_t{rect.left} + widest + margins.left + margins.right);
    rect.bottom = SaturateCoordinate(rect.top + height);
    return SaturateCoordinate(height);
}

int DrawWrappedText(Surface& surface, TextRenderer& renderer, const FontAttributes& font, std::string_view text,
                    const Rect& rect, const DrawTextParams& params, Colour colour) {
    return DrawWrappedText(surface, renderer, font, text, rect, params, colour, DeviceGrid{});
}

int DrawWrappedText(Surface& device, TextRenderer& renderer, const FontAttributes& font, std::string_view text,
                    const Rect& rect, const DrawTextParams& params, Colour colour, const DeviceGrid& grid) {
    if (text.empty()) return 0;
    const TextMetrics metrics = renderer.Metrics(font);
    const Margins margins = MarginPixels(metrics, params);
    const DisplayText display = StripPrefixes(text);
    const Wrapper wrapper(renderer, font, display.bytes);
    const std::vector<Line> lines = wrapper.Wrap(WrapWidth(rect, margins));
    const Rect clip = grid.Map(rect);
    std::int64_t y = rect.top;
    for (const Line& line : lines) {
        // Integer division of the sum truncates toward zero, as the platform's
        // text call does.
        const std::int64_t x = (std::int64_t{rect.left} + margins.left + rect.right - margins.right - line.width) / 2;
        const std::string utf8 =
            Cp1251ToUtf8(std::string_view(display.bytes).substr(line.begin, line.end - line.begin));
        const Point origin{SaturateCoordinate(x), SaturateCoordinate(y)};
        if (grid.isIdentity()) {
            renderer.Draw(device, font, utf8, origin, colour, clip);
        } else {
            renderer.DrawAtScale(device, font, utf8, grid.Map(origin), colour, clip, grid.ratio());
        }
        if (display.underline != kNoUnderline && display.underline >= line.begin && display.underline < line.end) {
            const std::int64_t from = x + wrapper.Measure(line.begin, display.underline);
            const std::int64_t to = x + wrapper.Measure(line.begin, display.underline + 1);
            const std::int64_t row = y + metrics.ascent + 1;
            const Rect underline{SaturateCoordinate(std::max<std::int64_t>(from, rect.left)),
                                 SaturateCoordinate(std::max<std::int64_t>(row, rect.top)),
                                 SaturateCoordinate(std::min<std::int64_t>(to, rect.right)),
                                 SaturateCoordinate(std::min<std::int64_t>(row + 1, rect.bottom))};
            device.FillRect(grid.Map(underline), colour);
        }
        y += metrics.height;
    }
    return SaturateCoordinate(y - rect.top);
}

}  // namespace torvel
