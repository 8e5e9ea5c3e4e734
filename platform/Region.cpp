// Region set operations by sweeping the band edges of both operands.
#include "platform/Region.h"

#include <algorithm>
#include <limits>

namespace qv {

Region::Region(const Rect& rect)
{
    if (!rect.IsEmpty()) {
        m_bands.push_back({rect.top, rect.bottom, {{rect.left, rect.right}}});
    }
}

bool Region::Contains(Point p) const
{
    for (const Band& band : m_bands) {
        if (p.y < band.top) {
            return false;
        }
        if (p.y < band.bottom) {
            return std::any_of(band.spans.begin(), band.spans.end(),
                               [&](const Span& s) { return p.x >= s.left && p.x < s.right; });
        }
    }
    return false;
}

Rect Region::Bounds() const
{
    if (m_bands.empty()) {
        return {};
    }
    int left = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    for (const Band& band : m_bands) {
        left = std::min(left, band.spans.front().left);
        right = std::max(right, band.spans.back().right);
    }
    return {left, m_bands.front().top, right, m_bands.back().bottom};
}

std::vector<Rect> Region::Rects() const
{
    std::vector<Rect> rects;
    for (const Band& band : m_bands) {
        for (const Span& s : band.spans) {
            rects.push_back({s.left, band.top, s.right, band.bottom});
        }
    }
    return rects;
}

std::int64_t Region::Area() const
{
    std::int64_t area = 0;
    for (const Band& band : m_bands) {
        for (const Span& s : band.spans) {
            area += std::int64_t(s.right - s.left) * (band.bottom - band.top);
        }
    }
    return area;
}

Region Region::Union(const Region& other) const
{
    return Combine(*this, other, Op::Union);
}
Region Region::Subtract(const Region& other) const
{
    return Combine(*this, other, Op::Subtract);
}
Region Region::Intersect(const Region& other) const
{
    return Combine(*this, other, Op::Intersect);
}
Region Region::Xor(const Region& other) const
{
    return Combine(*this, other, Op::Xor);
}

Region Region::Offset(int dx, int dy) const
{
    Region moved = *this;
    for (Band& band : moved.m_bands) {
        band.top += dy;
        band.bottom += dy;
        for (Span& s : band.spans) {
            s.left += dx;
            s.right += dx;
        }
    }
    return moved;
}

bool Region::Keeps(Op op, bool inFirst, bool inSecond)
{
    switch (op) {
    case Op::Union:
        return inFirst || inSecond;
    case Op::Subtract:
        return inFirst && !inSecond;
    case Op::Intersect:
        return inFirst && inSecond;
    case Op::Xor:
        return inFirst != inSecond;
    }
    return false;
}

namespace {

// Walks sorted disjoint spans with increasing x, telling whether x lies in one of them.
template <class SpanList> class SpanCursor {
public:
    explicit SpanCursor(const SpanList& spans) : m_spans(spans) {}
    bool Covers(int x)
    {
        while (m_index < m_spans.size() && m_spans[m_index].right <= x) {
            ++m_index;
        }
        return m_index < m_spans.size() && m_spans[m_index].left <= x;
    }

private:
    const SpanList& m_spans;
    std::size_t m_index = 0;
};

} // namespace

// Every x edge of either list splits the line into pieces that lie wholly inside or outside each list.
std::vector<Region::Span> Region::CombineSpans(const std::vector<Span>& first, const std::vector<Span>& second, Op op)
{
    std::vector<int> xs;
    xs.reserve(2 * (first.size() + second.size()));
    for (const auto* list : {&first, &second}) {
        for (const Span& s : *list) {
            xs.push_back(s.left);
            xs.push_back(s.right);
        }
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    std::vector<Span> result;
    SpanCursor firstCursor(first);
    SpanCursor secondCursor(second);
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!Keeps(op, firstCursor.Covers(xs[i]), secondCursor.Covers(xs[i]))) {
            continue;
        }
        if (!result.empty() && result.back().right == xs[i]) {
            result.back().right = xs[i + 1];
        } else {
            result.push_back({xs[i], xs[i + 1]});
        }
    }
    return result;
}

// Same idea in y: between two consecutive band edges each operand has one fixed list of spans.
Region Region::Combine(const Region& first, const Region& second, Op op)
{
    std::vector<int> ys;
    for (const auto* region : {&first, &second}) {
        for (const Band& band : region->m_bands) {
            ys.push_back(band.top);
            ys.push_back(band.bottom);
        }
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    static const std::vector<Span> none;
    auto spansAt = [](const Region& region, std::size_t& index, int y) -> const std::vector<Span>& {
        while (index < region.m_bands.size() && region.m_bands[index].bottom <= y) {
            ++index;
        }
        if (index < region.m_bands.size() && region.m_bands[index].top <= y) {
            return region.m_bands[index].spans;
        }
        return none;
    };

    Region result;
    std::size_t firstIndex = 0;
    std::size_t secondIndex = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const int top = ys[i];
        const int bottom = ys[i + 1];
        std::vector<Span> spans = CombineSpans(spansAt(first, firstIndex, top), spansAt(second, secondIndex, top), op);
        if (spans.empty()) {
            continue;
        }
        std::vector<Band>& bands = result.m_bands;
        if (!bands.empty() && bands.back().bottom == top && bands.back().spans == spans) {
            bands.back().bottom = bottom;
        } else {
            bands.push_back({top, bottom, std::move(spans)});
        }
    }
    return result;
}

} // namespace qv
