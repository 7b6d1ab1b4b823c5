#pragma once

namespace orvex::cli {

// Exit codes of orvex71ctl; scripts rely on them.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitFailure = 1,        // anything else that went wrong (a library operation refused)
    kExitUsage = 2,
    kExitNoMouse = 3,        // none found, silent, wrong signature, not ready, another controller
    kExitIdentity = 4,       // the mouse's identity bytes were refused
    kExitTransfer = 5,       // a transfer or the verification failed
    kExitBadFile = 6,
};

}  // namespace orvex::cli
