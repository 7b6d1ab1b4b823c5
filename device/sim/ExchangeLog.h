#pragma once

#include <QtGlobal>

#include <mutex>
#include <vector>

#include "device/Protocol.h"

namespace orvex {

enum class ExchangeDirection {
    Set,  // a report sent to the mouse
    Get,  // an answer read from it
};

// One feature-report call as the simulated mouse saw it.
struct ExchangeRecord {
    ExchangeDirection direction = ExchangeDirection::Set;
    FeatureReport report{};  // the bytes sent (Set) or answered (Get)
    qint64 timeMs = 0;       // clock time of the call
    bool delivered = true;   // false when the mouse was gone: the call failed
};

// Every feature-report call made to the simulated mouse, in order, with easy
// questions for tests. Safe to read while another thread talks to the mouse.
class ExchangeLog {
public:
    void Append(const ExchangeRecord& record);
    void Clear();

    /// All calls in order.
    std::vector<ExchangeRecord> Records() const;
    /// The command code of every report sent, in order.
    std::vector<CommandCode> Commands() const;
    /// The reports sent with this command code, in order.
    std::vector<FeatureReport> SentReports(CommandCode code) const;
    /// Clock time of every report sent with this command code.
    std::vector<qint64> SetTimes(CommandCode code) const;
    /// How many reports with this command code were sent.
    int CountCommand(CommandCode code) const;
    int CountSets() const;
    int CountGets() const;

private:
    mutable std::mutex m_mutex;
    std::vector<ExchangeRecord> m_records;
};

}  // namespace orvex
