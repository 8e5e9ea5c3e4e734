// The Qt timer behind IXLTimer.
#include "grid/QtTimer.h"

#include <utility>

namespace qv {

TXLQtTimer::TXLQtTimer(std::function<void()> tick)
{
    QObject::connect(&m_timer, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
}

} // namespace qv
