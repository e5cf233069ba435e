// A one-bit-per-pixel bitmap: the masks of colour-keyed copies.
#include "button/paint/mono_bitmap.h"

#include "button/paint/surface.h"

namespace torvel {

MonoBitmap::MonoBitmap(int width, int height) {
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > Surface::kMaxPixels) return;
    m_width = width;
    m_height = height;
    m_bits.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

}  // namespace torvel
