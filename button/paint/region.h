// A set of pixels held as disjoint rectangles: a window shape.
#pragma once

#include <cstdint>
#include <vector>

#include "button/paint/rect.h"

namespace torvel {

class Region {
public:
    Region() = default;
    explicit Region(const Rect& rect);

    // Removes the pixels of `rect`.
    void Subtract(const Rect& rect);

    bool Contains(int x, int y) const;
    std::int64_t Area() const;
    const std::vector<Rect>& rects() const { return m_rects; }

    // Equal when both hold the same pixels, however they are cut up.
    friend bool operator==(const Region& a, const Region& b);

private:
    std::vector<Rect> m_rects;
};

}  // namespace torvel
