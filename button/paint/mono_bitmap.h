// A one-bit-per-pixel bitmap: the masks of colour-keyed copies.
#pragma once

#include <cstdint>
#include <vector>

namespace torvel {

// Each pixel is 0 (black) or 1 (white). A new bitmap is all 0; a size that is
// not positive or too large gives an empty bitmap, as with Surface.
class MonoBitmap {
public:
    MonoBitmap() = default;
    MonoBitmap(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }

    bool bit(int x, int y) const { return m_bits[Index(x, y)] != 0; }
    void setBit(int x, int y, bool value) { m_bits[Index(x, y)] = value ? 1 : 0; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_bits;
};

}  // namespace torvel
