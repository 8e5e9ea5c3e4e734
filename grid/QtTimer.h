// TXLQtTimer: a repeating Qt timer behind the panes' Qt-free timer interface.
#pragma once

#include "grid/MouseHost.h"

#include <QTimer>

#include <functional>

namespace qv {

class TXLQtTimer final : public IXLTimer {
public:
    // tick runs on the user-interface thread at each time-out while started.
    explicit TXLQtTimer(std::function<void()> tick);

    void Start(int intervalMs) override { m_timer.start(intervalMs); }
    void Stop() override { m_timer.stop(); }
    bool IsRunning() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace qv
