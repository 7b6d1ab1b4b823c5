#include "device/Clock.h"

#include <thread>

namespace orvex {

RealClock::RealClock()
    : m_start(std::chrono::steady_clock::now())
{
}

void RealClock::SleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

qint64 RealClock::NowMs() const
{
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

VirtualClock::VirtualClock(qint64 startMs)
    : m_nowMs(startMs)
    , m_elapsedBaseMs(startMs)
{
}

void VirtualClock::SleepMs(int ms)
{
    if (ms > 0)
        m_nowMs.fetch_add(ms);
    std::this_thread::yield();
}

qint64 VirtualClock::NowMs() const
{
    return m_nowMs.load();
}

qint64 VirtualClock::ElapsedMs() const
{
    return m_nowMs.load() - m_elapsedBaseMs.load();
}

void VirtualClock::ResetElapsed()
{
    m_elapsedBaseMs.store(m_nowMs.load());
}

}  // namespace orvex
