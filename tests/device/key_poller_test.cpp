#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "device/KeyPoller.h"
#include "tests/device/SimRig.h"

namespace orvex {
namespace {

using test::Fault;
using test::SimRig;

struct Event {
    int button;      // 0 for a hit-flag change
    bool value;      // visible, or the hit flag
    qint64 timeMs;

    bool operator==(const Event&) const = default;
};

// Collects what the poller reports and lets the test wait for it.
class Recorder {
public:
    explicit Recorder(Clock& clock)
        : m_clock(clock)
    {
    }

    KeyPollerCallbacks Callbacks(std::function<void()> onFirstBlink = {})
    {
        return {[this, onFirstBlink](int button, bool visible) {
                    Add({button, visible, m_clock.NowMs()});
                    if (onFirstBlink && BlinkCount() == 1)
                        onFirstBlink();
                },
                [this](bool hit) { Add({0, hit, m_clock.NowMs()}); }};
    }

    // Waits for count blink events; the time limit only keeps a broken
    // poller from hanging the run.
    bool WaitForBlinks(int count)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(30), [&] { return BlinkCountLocked() >= count; });
    }

    std::vector<Event> Events() const
    {
        std::lock_guard lock(m_mutex);
        return m_events;
    }

    std::vector<Event> Blinks() const
    {
        std::lock_guard lock(m_mutex);
        std::vector<Event> blinks;
        for (const Event& event : m_events) {
            if (event.button != 0)
                blinks.push_back(event);
        }
        return blinks;
    }

private:
    void Add(const Event& event)
    {
        {
            std::lock_guard lock(m_mutex);
            m_events.push_back(event);
        }
        m_changed.notify_all();
    }
    int BlinkCount() const
    {
        std::lock_guard lock(m_mutex);
        return BlinkCountLocked();
    }
    int BlinkCountLocked() const
    {
        return static_cast<int>(std::count_if(m_events.begin(), m_events.end(), [](const Event& e) {
            return e.button != 0;
        }));
    }

    Clock& m_clock;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Event> m_events;
};

TEST(KeyPoller, ButtonsOneAndThreeBlinkInOrderOneAndAHalfSecondsEach)
{
    // Buttons 1 and 3 pressed for the first 100 ms, button 2 from 3010 ms on:
    // the poll that follows the two blinks sees only button 2.
    SimRig rig(Fault(QStringLiteral("keys=0x5@0,0@100,0x2@3010")));
    ASSERT_TRUE(rig.Open());
    KeyPoller poller(rig.link, rig.clock);
    Recorder recorder(rig.clock);
    poller.StartKeyPoller(recorder.Callbacks());
    ASSERT_TRUE(recorder.WaitForBlinks(9));
    poller.StopKeyPoller();
    EXPECT_FALSE(poller.IsRunning());
    EXPECT_FALSE(poller.KeyTestHit());

    // The first poll acknowledges at 10 ms: 5 ms before the set, 5 ms before
    // the read. The next one follows the blinks at once: its set comes after
    // the 5 ms pre-delay, its answer 5 ms later.
    const qint64 t = 10;
    const qint64 next = t + 3000 + 10;
    const std::vector<Event> expected{
        {0, true, t},           {1, false, t},        {1, true, t + 500},  {1, false, t + 1000},
        {1, true, t + 1500},    {0, false, t + 1500}, {0, true, t + 1500}, {3, false, t + 1500},
        {3, true, t + 2000},    {3, false, t + 2500}, {3, true, t + 3000}, {0, false, t + 3000},
        {0, true, next},        {2, false, next},
    };
    const std::vector<Event> events = recorder.Events();
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ(std::vector<Event>(events.begin(), events.begin() + expected.size()), expected);
    const std::vector<qint64> polls = rig.Log().SetTimes(CommandCode::StatusCmd);
    ASSERT_GE(polls.size(), 2u);
    EXPECT_EQ(polls[0], 5);
    EXPECT_EQ(polls[1], t + 3000 + 5);
}

TEST(KeyPoller, StopLetsTheBlinkUnderWayFinish)
{
    SimRig rig(Fault(QStringLiteral("keys=0x1@0")));  // held for ever
    ASSERT_TRUE(rig.Open());
    KeyPoller poller(rig.link, rig.clock);
    Recorder recorder(rig.clock);
    poller.StartKeyPoller(recorder.Callbacks([&] { poller.RequestStop(); }));
    ASSERT_TRUE(recorder.WaitForBlinks(1));
    poller.StopKeyPoller();

    const std::vector<Event> blinks = recorder.Blinks();
    ASSERT_EQ(blinks.size(), 4u);
    EXPECT_TRUE(blinks.back().value);  // left visible
    EXPECT_EQ(rig.Log().CountCommand(CommandCode::StatusCmd), 1);
    EXPECT_FALSE(poller.KeyTestHit());
}

TEST(KeyPoller, WithoutPressedKeysItOnlyPolls)
{
    SimRig rig;
    ASSERT_TRUE(rig.Open());
    KeyPoller poller(rig.link, rig.clock);
    Recorder recorder(rig.clock);
    poller.StartKeyPoller(recorder.Callbacks());
    poller.StopKeyPoller();
    EXPECT_TRUE(recorder.Events().empty());
    EXPECT_EQ(rig.Log().Commands(), std::vector<CommandCode>(rig.Log().CountSets(), CommandCode::StatusCmd));
}

TEST(KeyPoller, CanBeStartedAgainAfterAStop)
{
    SimRig rig;
    KeyPoller poller(rig.link, rig.clock);  // no mouse open: it waits, it does not poll
    poller.StartKeyPoller({});
    EXPECT_TRUE(poller.IsRunning());
    poller.StopKeyPoller();
    EXPECT_FALSE(poller.IsRunning());
    poller.StartKeyPoller({});
    EXPECT_TRUE(poller.IsRunning());
    poller.StopKeyPoller();
    EXPECT_TRUE(rig.Log().Records().empty());
}

}  // namespace
}  // namespace orvex
