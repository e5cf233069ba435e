// How the button's pixels meet a screen's device pixels.
#include "button/paint/device_grid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace torvel {

namespace {

double Round(double value) { return std::floor(value + 0.5); }

}  // namespace

DeviceGrid::DeviceGrid(double ratio, double originX, double originY)
    : m_ratio(std::max(1.0, ratio)), m_originX(originX), m_originY(originY) {}

int DeviceGrid::Edge(double origin, int e) const {
    return SaturateCoordinate(static_cast<std::int64_t>(Round(origin + e * m_ratio) - Round(origin)));
}

Surface ScaleByBlocks(const Surface& source, const DeviceGrid& grid) {
    Surface device(grid.X(source.width()), grid.Y(source.height()));
    if (device.empty() || source.empty()) return device;
    // The source column of every device column, found once.
    std::vector<int> columns(static_cast<std::size_t>(device.width()));
    for (int x = 0; x < source.width(); ++x) {
        std::fill(columns.begin() + grid.X(x), columns.begin() + grid.X(x + 1), x);
    }
    for (int y = 0; y < source.height(); ++y) {
        const Colour* in = source.row(y);
        const int top = grid.Y(y);
        Colour* out = device.row(top);
        std::transform(columns.begin(), columns.end(), out, [in](int x) { return in[x]; });
        for (int copy = top + 1; copy < grid.Y(y + 1); ++copy) std::copy_n(out, device.width(), device.row(copy));
    }
    return device;
}

}  // namespace torvel
