#pragma once

#include "device/DeviceLink.h"
#include "device/FlowOutcome.h"

namespace orvex {

// Adds up the chunks of the block transfers of one flow and reports them as
// the flow's progress. Lives on the flow's stack, so the block progress it
// hands out must not outlive it.
class FlowProgressCounter {
public:
    /// plannedChunks: the chunks the flow moves when all goes well.
    FlowProgressCounter(const FlowProgress& report, int plannedChunks);
    FlowProgressCounter(const FlowProgressCounter&) = delete;
    FlowProgressCounter& operator=(const FlowProgressCounter&) = delete;

    /// The progress of the next block transfer; its chunks count on from
    /// what the flow has moved so far.
    BlockProgress Block();
    /// The flow has more to move than planned (the verification rewrites).
    void Plan(int moreChunks);

    int Done() const { return m_done; }
    int Total() const { return m_total; }

private:
    const FlowProgress& m_report;
    int m_total;
    int m_done = 0;
};

}  // namespace orvex
