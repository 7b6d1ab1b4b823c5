#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "device/Protocol.h"

namespace orvex::test {

using Commands = std::vector<CommandCode>;

// The command sequence a test expects, written as (command, count) runs:
// Traffic({{Begin, 1}, {WriteData, 342}, ...}).
inline Commands Traffic(std::initializer_list<std::pair<CommandCode, int>> runs)
{
    Commands commands;
    for (const auto& [code, count] : runs)
        commands.insert(commands.end(), count, code);
    return commands;
}

inline constexpr CommandCode kBegin = CommandCode::BeginCmd;
inline constexpr CommandCode kEnd = CommandCode::EndCmd;
inline constexpr CommandCode kStatus = CommandCode::StatusCmd;
inline constexpr CommandCode kReadStart = CommandCode::ReadStartCmd;
inline constexpr CommandCode kReadData = CommandCode::ReadDataCmd;
inline constexpr CommandCode kWriteStart = CommandCode::WriteStartCmd;
inline constexpr CommandCode kWriteData = CommandCode::WriteDataCmd;
inline constexpr CommandCode kReload = CommandCode::SystemReloadCmd;

// The verification of a healthy write: read back 256 bytes, they match.
inline Commands VerifyMatchedTraffic()
{
    return Traffic({{kBegin, 1}, {kStatus, 1}, {kReadStart, 1}, {kReadData, 43}, {kReload, 1}, {kEnd, 1}});
}

inline Commands Join(Commands first, const Commands& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace orvex::test
