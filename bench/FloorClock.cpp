#include "bench/FloorClock.h"

namespace orvex::bench {

FloorClock::FloorClock(Clock& inner)
    : m_inner(inner)
{
}

void FloorClock::SleepMs(int ms)
{
    if (ms > 0)
        m_requestedMs.fetch_add(ms);
    m_inner.SleepMs(ms);
}

qint64 FloorClock::NowMs() const
{
    return m_inner.NowMs();
}

qint64 FloorClock::RequestedMs() const
{
    return m_requestedMs.load();
}

void FloorClock::Reset()
{
    m_requestedMs.store(0);
}

}  // namespace orvex::bench
