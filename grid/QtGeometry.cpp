// Regions handed to Qt in one call.
#include "grid/QtGeometry.h"

#include <vector>

namespace qv {

QRegion ToQRegion(const Region& region)
{
    std::vector<QRect> rects;
    for (const Rect& r : region.Rects())
        rects.push_back(ToQRect(r));
    QRegion result;
    if (!rects.empty())
        result.setRects(rects.data(), static_cast<int>(rects.size()));
    return result;
}

} // namespace qv
