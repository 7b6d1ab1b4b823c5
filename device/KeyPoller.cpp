#include "device/KeyPoller.h"

#include "device/BitOps.h"

namespace orvex {

namespace {

constexpr int kKeyButtons = 9;
constexpr int kBlinkStepMs = 500;
// With no mouse open a poll fails without touching the device and so without
// waiting; this pause keeps the loop from spinning a core until the test ends.
constexpr int kNoDevicePauseMs = 10;

}  // namespace

KeyPoller::KeyPoller(DeviceLink& link, Clock& clock)
    : m_link(link)
    , m_clock(clock)
{
}

KeyPoller::~KeyPoller()
{
    StopKeyPoller();
}

void KeyPoller::StartKeyPoller(KeyPollerCallbacks callbacks)
{
    std::lock_guard lock(m_threadMutex);
    if (m_thread.joinable()) {
        if (!m_stopRequested.load())
            return;
        // A thread told to stop is finishing its cycle; wait for it, then
        // start afresh.
        m_thread.join();
    }
    m_stopRequested.store(false);
    m_running.store(true);
    // The thread keeps its own copy of the callbacks for its whole run.
    m_thread = std::thread([this, callbacks = std::move(callbacks)] { Run(callbacks); });
}

void KeyPoller::StopKeyPoller()
{
    std::lock_guard lock(m_threadMutex);
    if (!m_thread.joinable())
        return;
    m_stopRequested.store(true);
    m_thread.join();
    m_thread = std::thread();
}

void KeyPoller::RequestStop()
{
    m_stopRequested.store(true);
}

bool KeyPoller::IsRunning() const
{
    return m_running.load();
}

void KeyPoller::Run(const KeyPollerCallbacks& callbacks)
{
    while (!m_stopRequested.load()) {
        if (!m_link.IsOpen()) {
            m_clock.SleepMs(kNoDevicePauseMs);
            continue;
        }
        const quint16 keyState = m_link.PollKeyState();
        for (int bit = 0; bit < kKeyButtons; ++bit) {
            if (TestBit(keyState, bit))
                Blink(bit + 1, callbacks);
        }
    }
    m_running.store(false);
}

void KeyPoller::Blink(int button, const KeyPollerCallbacks& callbacks)
{
    m_keyTestHit.store(true);
    if (callbacks.onHit)
        callbacks.onHit(true);
    static constexpr bool kSteps[] = {false, true, false, true};
    for (int step = 0; step < 4; ++step) {
        if (step > 0)
            m_clock.SleepMs(kBlinkStepMs);
        if (callbacks.onBlink)
            callbacks.onBlink(button, kSteps[step]);
    }
    m_keyTestHit.store(false);
    if (callbacks.onHit)
        callbacks.onHit(false);
}

}  // namespace orvex
