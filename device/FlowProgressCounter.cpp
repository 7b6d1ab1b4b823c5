#include "device/FlowProgressCounter.h"

namespace orvex {

FlowProgressCounter::FlowProgressCounter(const FlowProgress& report, int plannedChunks)
    : m_report(report)
    , m_total(plannedChunks)
{
}

BlockProgress FlowProgressCounter::Block()
{
    if (!m_report)
        return {};
    const int base = m_done;
    return [this, base](int chunksDone, int) {
        m_done = base + chunksDone;
        m_report(m_done, m_total);
    };
}

void FlowProgressCounter::Plan(int moreChunks)
{
    m_total += moreChunks;
}

}  // namespace orvex
