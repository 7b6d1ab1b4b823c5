#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>

namespace orvex {

// Every wait of the device layer goes through a Clock, so tests can run the
// protocol's delays in virtual time and count them exactly.
class Clock {
public:
    virtual ~Clock() = default;
    /// Blocks the calling thread for ms milliseconds (no-op for ms <= 0).
    virtual void SleepMs(int ms) = 0;
    /// Milliseconds since an arbitrary, fixed starting point.
    virtual qint64 NowMs() const = 0;
};

// Wall-clock time: sleeps for real.
class RealClock final : public Clock {
public:
    RealClock();
    void SleepMs(int ms) override;
    qint64 NowMs() const override;

private:
    std::chrono::steady_clock::time_point m_start;
};

// Time that only moves when someone sleeps: SleepMs advances it at once.
// Safe to share between threads; a sleep also yields, so a thread that polls
// in a loop lets the others run.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(qint64 startMs = 0);
    void SleepMs(int ms) override;
    qint64 NowMs() const override;

    /// Milliseconds slept since construction (or the last ResetElapsed).
    qint64 ElapsedMs() const;
    /// Makes ElapsedMs count from now.
    void ResetElapsed();

private:
    std::atomic<qint64> m_nowMs;
    std::atomic<qint64> m_elapsedBaseMs;
};

}  // namespace orvex
