// Text of the button's captions drawn with Qt's fonts onto the pixel surface.
#include "button/qt/qt_text_renderer.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "button/qt/installed_family.h"
#include "common/font_pixels.h"

namespace torvel {

namespace {

// Entries kept per font before a cache starts afresh: far more than the
// captions of the program's windows.
constexpr std::size_t kCacheLimit = 512;

// Families the stored forms name, and the families that stand in for them
// where they are not installed. Arial, Times and Courier have metric-compatible
// Liberation faces; the bitmap MS Sans Serif has none, and its compact glyphs
// are matched best by the narrow face, which keeps the captions of the small
// buttons on one line as they were designed.
struct FamilyFallback {
    const char* family;
    const char* standIn;
};
constexpr FamilyFallback kFallbacks[] = {
    {"MS Sans Serif", "Liberation Sans Narrow"}, {"Microsoft Sans Serif", "Liberation Sans Narrow"},
    {"Arial", "Liberation Sans"},              {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

QString FamilyFor(const std::string& name) {
    const QString family = QString::fromStdString(name);
    if (IsFamilyInstalled(family)) return family;
    for (const FamilyFallback& fallback : kFallbacks) {
        if (family.compare(QLatin1String(fallback.family), Qt::CaseInsensitive) == 0) {
            return QLatin1String(fallback.standIn);
        }
    }
    return family;
}

}  // namespace

struct QtTextRenderer::FontEntry {
    explicit FontEntry(const FontAttributes& font) : attributes(font), qfont(MakeFont(font)), metrics(qfont) {
        summary.height = metrics.height();
        summary.ascent = metrics.ascent();
        summary.averageCharWidth = metrics.averageCharWidth();
    }

    FontAttributes attributes;
    QFont qfont;
    QFontMetrics metrics;
    TextMetrics summary;
    std::unordered_map<std::string, int> widths;
    std::map<RunKey, TextRun> runs;
};

QtTextRenderer::QtTextRenderer() = default;

QtTextRenderer::~QtTextRenderer() = default;

QFont QtTextRenderer::MakeFont(const FontAttributes& font) {
    QFont qfont(FamilyFor(font.name));
    qfont.setPixelSize(std::max(1, FontPixels(font.size)));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethrough);
    // Crisp one-colour glyphs, as small interface fonts are drawn, so that the
    // embossed caption of a disabled button keeps its shape.
    qfont.setStyleStrategy(QFont::NoAntialias);
    // Unhinted, Qt places each glyph by the font's own advances at this size,
    // rounding only the glyph's position. Hinted advances are each rounded to
    // whole pixels on their own, and the errors add up to letters that touch
    // and gaps inside words.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

QtTextRenderer::FontEntry& QtTextRenderer::Entry(const FontAttributes& font) {
    if (m_last != nullptr && m_last->attributes == font) return *m_last;
    for (const auto& entry : m_fonts) {
        if (entry->attributes == font) {
            m_last = entry.get();
            return *m_last;
        }
    }
    m_fonts.push_back(std::make_unique<FontEntry>(font));
    m_last = m_fonts.back().get();
    return *m_last;
}

TextMetrics QtTextRenderer::Metrics(const FontAttributes& font) { return Entry(font).summary; }

int QtTextRenderer::Width(const FontAttributes& font, std::string_view text) {
    FontEntry& entry = Entry(font);
    const std::string key(text);
    if (const auto found = entry.widths.find(key); found != entry.widths.end()) return found->second;
    if (entry.widths.size() >= kCacheLimit) entry.widths.clear();
    const int width = entry.metrics.horizontalAdvance(QString::fromStdString(key));
    entry.widths.emplace(key, width);
    return width;
}

QtTextRenderer::TextRun QtTextRenderer::Render(const FontEntry& entry, const QString& text, double scale) {
    // The ink may reach beyond the advance and the line (italic overhang,
    // accents): the mask covers both, with a pixel to spare.
    const QRect ink = entry.metrics.boundingRect(text);
    const int ascent = entry.summary.ascent;
    const int left = std::min(0, ink.left()) - 1;
    const int top = std::min(0, ascent + ink.top()) - 1;
    const int right = std::max(entry.metrics.horizontalAdvance(text), ink.right() + 1) + 1;
    const int bottom = std::max(entry.summary.height, ascent + ink.bottom() + 1) + 1;
    TextRun run;
    run.left = static_cast<int>(std::floor(left * scale));
    run.top = static_cast<int>(std::floor(top * scale));
    run.width = static_cast<int>(std::ceil(right * scale)) - run.left;
    run.height = static_cast<int>(std::ceil(bottom * scale)) - run.top;

    // Drawn as Qt draws text on a screen of that device pixel ratio: the
    // font sized up by Qt and the glyphs laid out at the device's resolution.
    QImage image(run.width, run.height, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(entry.qfont);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(-run.left / scale, ascent - run.top / scale), text);
    }
    run.coverage.resize(static_cast<std::size_t>(run.width) * static_cast<std::size_t>(run.height));
    for (int y = 0; y < run.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < run.width; ++x) {
            run.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(run.width) +
                         static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(qAlpha(line[x]));
        }
    }
    return run;
}

void QtTextRenderer::Draw(Surface& surface, const FontAttributes& font, std::string_view text, Point origin, Colour colour,
                          const Rect& clip) {
    DrawAtScale(surface, font, text, origin, colour, clip, 1.0);
}

void QtTextRenderer::DrawAtScale(Surface& surface, const FontAttributes& font, std::string_view text, Point origin,
                                 Colour colour, const Rect& clip, double scale) {
    FontEntry& entry = Entry(font);
    scale = std::max(1.0, scale);
    RunKey key{std::string(text), scale};
    auto found = entry.runs.find(key);
    if (found == entry.runs.end()) {
        if (entry.runs.size() >= kCacheLimit) entry.runs.clear();
        const QString line = QString::fromStdString(key.text);
        found = entry.runs.emplace(std::move(key), Render(entry, line, scale)).first;
    }
    const TextRun& run = found->second;
    const std::int64_t x0 = std::int64_t{origin.x} + run.left;
    const std::int64_t y0 = std::int64_t{origin.y} + run.top;
    // Only the mask's pixels inside the clip rectangle and the surface.
    const std::int64_t firstX = std::max({std::int64_t{0}, clip.left - x0, -x0});
    const std::int64_t lastX = std::min({std::int64_t{run.width}, clip.right - x0, surface.width() - x0});
    const std::int64_t firstY = std::max({std::int64_t{0}, clip.top - y0, -y0});
    const std::int64_t lastY = std::min({std::int64_t{run.height}, clip.bottom - y0, surface.height() - y0});
    for (std::int64_t j = firstY; j < lastY; ++j) {
        const std::uint8_t* coverage = &run.coverage[static_cast<std::size_t>(j * run.width)];
        for (std::int64_t i = firstX; i < lastX; ++i) {
            if (coverage[i] != 0) {
                surface.BlendPixel(static_cast<int>(x0 + i), static_cast<int>(y0 + j), colour, coverage[i]);
            }
        }
    }
}

}  // namespace torvel
