#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

#include "device/Clock.h"
#include "device/DeviceLink.h"

namespace orvex {

// What the key poller reports to whoever shows the key test. Both callbacks
// run on the poller thread (a window hands them over to its UI thread); they
// may call RequestStop but must not start the poller or wait for it.
struct KeyPollerCallbacks {
    /// Key button `button` (1..9) is to be shown or hidden.
    std::function<void(int button, bool visible)> onBlink;
    /// The poller started (true) or ended (false) showing a pressed button.
    std::function<void(bool hit)> onHit;
};

// The key test's poller thread: polls the key state and blinks the button of
// every set bit 0..8 in order (hide, 500 ms, show, 500 ms, hide, 500 ms,
// show), then polls again at once. The waits go through the clock.
class KeyPoller {
public:
    /// Neither link nor clock is owned; both outlive the poller.
    KeyPoller(DeviceLink& link, Clock& clock);
    /// Stops a running poller.
    ~KeyPoller();
    KeyPoller(const KeyPoller&) = delete;
    KeyPoller& operator=(const KeyPoller&) = delete;

    /// Starts the thread; does nothing while one runs that was not asked to
    /// stop.
    void StartKeyPoller(KeyPollerCallbacks callbacks);
    /// Asks the thread to end and waits for it; a blink sequence under way
    /// is completed first. Does nothing when no thread runs.
    void StopKeyPoller();
    /// Asks the thread to end after the current poll cycle, without waiting.
    void RequestStop();
    bool IsRunning() const;
    /// True while a pressed button is being shown (the key test's countdown
    /// reads it).
    bool KeyTestHit() const { return m_keyTestHit.load(); }

private:
    void Run(const KeyPollerCallbacks& callbacks);
    void Blink(int button, const KeyPollerCallbacks& callbacks);

    DeviceLink& m_link;
    Clock& m_clock;
    mutable std::mutex m_threadMutex;
    std::thread m_thread;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_keyTestHit{false};
};

}  // namespace orvex
