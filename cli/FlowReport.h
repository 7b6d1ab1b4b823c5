#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "cli/DeviceSession.h"
#include "device/FlowOutcome.h"

namespace orvex::cli {

/// The exit code of a flow's result: 3 no usable mouse, 4 identity refused,
/// 5 transfer or verification failed, 0 success.
int ExitCodeOf(FlowResult result);

/// Connects the session's mouse; on refusal prints the reason and returns
/// its exit code, else 0 with the identity transaction still open.
int ConnectOrFail(DeviceSession& session);

/// A session whose mouse passed the identity check (its transaction still
/// open), or nullptr with the reason printed and exitCode set.
std::unique_ptr<DeviceSession> ConnectedSession(const CliArguments& arguments, int& exitCode);
/// Runs a flow with a progress bar on stderr (when it is a terminal).
FlowOutcome WithProgressBar(const QString& label, const std::function<FlowOutcome(const FlowProgress&)>& flow);
/// The exit code of a failed read, with its one line on stderr.
int FailRead(const FlowOutcome& outcome);

/// The exit code of a write flow, with its one line on stderr when it did not
/// succeed. what names the write ("writing the profile").
int ReportWrite(const FlowOutcome& outcome, const DeviceSession& session, const QString& what);

}  // namespace orvex::cli
