// Conversions between the engine's rectangles and regions and Qt's.
#pragma once

#include "platform/Geometry.h"
#include "platform/Region.h"

#include <QPoint>
#include <QRect>
#include <QRegion>

namespace qv {

inline QRect ToQRect(const Rect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}

inline Rect FromQRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline Point ToPoint(QPoint p)
{
    return {p.x(), p.y()};
}

QRegion ToQRegion(const Region& region);

} // namespace qv
