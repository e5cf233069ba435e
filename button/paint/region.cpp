// A set of pixels held as disjoint rectangles: a window shape.
#include "button/paint/region.h"

#include <algorithm>

namespace torvel {

namespace {

Rect Intersection(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

Region::Region(const Rect& rect) {
    if (!rect.empty()) m_rects.push_back(rect);
}

void Region::Subtract(const Rect& rect) {
    std::vector<Rect> kept;
    for (const Rect& a : m_rects) {
        const Rect cut = Intersection(a, rect);
        if (cut.empty()) {
            kept.push_back(a);
            continue;
        }
        // What is left of `a`: a band above and below the cut, and the parts
        // beside it.
        const Rect pieces[] = {
            {a.left, a.top, a.right, cut.top},
            {a.left, cut.bottom, a.right, a.bottom},
            {a.left, cut.top, cut.left, cut.bottom},
            {cut.right, cut.top, a.right, cut.bottom},
        };
        for (const Rect& piece : pieces) {
            if (!piece.empty()) kept.push_back(piece);
        }
    }
    m_rects = std::move(kept);
}

bool Region::Contains(int x, int y) const {
    return std::any_of(m_rects.begin(), m_rects.end(),
                       [x, y](const Rect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
}

std::int64_t Region::Area() const {
    std::int64_t area = 0;
    for (const Rect& r : m_rects) area += std::int64_t{r.width()} * r.height();
    return area;
}

bool operator==(const Region& a, const Region& b) {
    if (a.Area() != b.Area()) return false;
    // Same area and every rectangle of one inside the other: same pixels.
    Region rest = a;
    for (const Rect& r : b.m_rects) rest.Subtract(r);
    return rest.Area() == 0;
}

}  // namespace torvel
