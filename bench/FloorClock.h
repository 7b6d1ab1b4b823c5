#pragma once

#include <atomic>

#include "device/Clock.h"

namespace orvex::bench {

// The real clock, adding up every sleep the protocol asks for: after a flow,
// RequestedMs is the least time the flow could have taken on any machine.
class FloorClock final : public Clock {
public:
    explicit FloorClock(Clock& inner);
    void SleepMs(int ms) override;
    qint64 NowMs() const override;

    qint64 RequestedMs() const;
    void Reset();

private:
    Clock& m_inner;
    std::atomic<qint64> m_requestedMs{0};
};

}  // namespace orvex::bench
