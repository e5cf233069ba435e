// Full repaints of the program's buttons: the 120 x 29 XPButton at rest and
// hovered, the same on screens of higher device pixel ratios, and the
// 10 x 10 Standard glyph button; and the glyph button with the largest
// original picture size a stored form may hold.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "button/paint/button_painter.h"
#include "button/paint/device_grid.h"
#include "button/qt/qt_text_renderer.h"

namespace {

using namespace torvel;

// Resizes a painter to w x h and times its full repaints.
void TimeRefreshes(benchmark::State& state, const PaintInput& input, int w, int h) {
    QtTextRenderer text;
    ButtonPainter painter(text);
    painter.Resize(input, w, h);
    for (auto _ : state) {
        painter.Refresh(input);
        benchmark::DoNotOptimize(painter.surface().pixel(w / 2, h / 2));
    }
}

// The repaint and its picture for a screen of ratio range(0) / 4, as the
// widget makes them for each repaint there.
void BM_RefreshXPButtonForDevice(benchmark::State& state) {
    QtTextRenderer text;
    ButtonPainter painter(text);
    PaintInput input;
    input.ButtonStyle = XPButton;
    input.Caption = "Таблица рекордов";
    painter.Resize(input, 120, 29);
    const double ratio = static_cast<double>(state.range(0)) / 4;
    const DeviceGrid grid(ratio, 37 * ratio, 301 * ratio);
    for (auto _ : state) {
        painter.Refresh(input);
        const Surface device = painter.PaintForDevice(grid);
        benchmark::DoNotOptimize(device.pixel(60, 14));
    }
    state.SetLabel("ratio " + std::to_string(ratio).substr(0, 4));
}
BENCHMARK(BM_RefreshXPButtonForDevice)->Arg(6)->Arg(8)->Arg(12);

// The main window's small Standard button with its 9 x 9 glyph.
PaintInput GlyphButton() {
    PaintInput input;
    input.ButtonStyle = Standard;
    input.Caption.clear();
    Image glyph{9, 9, std::vector<std::uint32_t>(81, 0xFFF4F4F4u)};
    for (int i = 10; i < 71; ++i) glyph.pixels[static_cast<std::size_t>(i)] = 0xFF2058E0u;
    input.picture = Picture::FromImage(Picture::Type::Bitmap, glyph);
    input.PictureWidth = input.PictureHeight = input.OriginalPicSizeW = input.OriginalPicSizeH = 9;
    return input;
}

void BM_RefreshXPButton(benchmark::State& state) {
    PaintInput input;
    input.ButtonStyle = XPButton;
    input.Caption = "Таблица рекордов";
    input.hovered = static_cast<std::uint8_t>(state.range(0));
    TimeRefreshes(state, input, 120, 29);
    state.SetLabel(state.range(0) != 0 ? "hovered" : "rest");
}
BENCHMARK(BM_RefreshXPButton)->Arg(0)->Arg(1);

void BM_RefreshStandardWithPicture(benchmark::State& state) { TimeRefreshes(state, GlyphButton(), 10, 10); }
BENCHMARK(BM_RefreshStandardWithPicture);

// An original size for which no work surface can be made: the paint must
// still cost microseconds, enabled (0) or disabled (1).
void BM_PaintHugePicture(benchmark::State& state) {
    PaintInput input = GlyphButton();
    input.Enabled = state.range(0) == 0;
    input.OriginalPicSizeW = input.OriginalPicSizeH = std::numeric_limits<std::int32_t>::max();
    TimeRefreshes(state, input, 10, 10);
    state.SetLabel(state.range(0) != 0 ? "disabled" : "enabled");
}
BENCHMARK(BM_PaintHugePicture)->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
    // Text needs a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
