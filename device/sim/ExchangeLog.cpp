#include "device/sim/ExchangeLog.h"

#include <algorithm>

namespace orvex {

namespace {

bool IsSetOf(const ExchangeRecord& record, CommandCode code)
{
    return record.direction == ExchangeDirection::Set && record.report[1] == static_cast<Byte>(code);
}

}  // namespace

void ExchangeLog::Append(const ExchangeRecord& record)
{
    std::lock_guard lock(m_mutex);
    m_records.push_back(record);
}

void ExchangeLog::Clear()
{
    std::lock_guard lock(m_mutex);
    m_records.clear();
}

std::vector<ExchangeRecord> ExchangeLog::Records() const
{
    std::lock_guard lock(m_mutex);
    return m_records;
}

std::vector<CommandCode> ExchangeLog::Commands() const
{
    std::lock_guard lock(m_mutex);
    std::vector<CommandCode> commands;
    for (const ExchangeRecord& record : m_records) {
        if (record.direction == ExchangeDirection::Set)
            commands.push_back(static_cast<CommandCode>(record.report[1]));
    }
    return commands;
}

std::vector<FeatureReport> ExchangeLog::SentReports(CommandCode code) const
{
    std::lock_guard lock(m_mutex);
    std::vector<FeatureReport> reports;
    for (const ExchangeRecord& record : m_records) {
        if (IsSetOf(record, code))
            reports.push_back(record.report);
    }
    return reports;
}

std::vector<qint64> ExchangeLog::SetTimes(CommandCode code) const
{
    std::lock_guard lock(m_mutex);
    std::vector<qint64> times;
    for (const ExchangeRecord& record : m_records) {
        if (IsSetOf(record, code))
            times.push_back(record.timeMs);
    }
    return times;
}

int ExchangeLog::CountCommand(CommandCode code) const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_records.begin(), m_records.end(),
                                          [code](const ExchangeRecord& r) { return IsSetOf(r, code); }));
}

int ExchangeLog::CountSets() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_records.begin(), m_records.end(), [](const ExchangeRecord& r) {
        return r.direction == ExchangeDirection::Set;
    }));
}

int ExchangeLog::CountGets() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(std::count_if(m_records.begin(), m_records.end(), [](const ExchangeRecord& r) {
        return r.direction == ExchangeDirection::Get;
    }));
}

}  // namespace orvex
