#pragma once

// The device flows in one include: reading the mouse, writing and verifying
// it, restoring images, and saving profiles.
#include "device/FlowOutcome.h"
#include "device/ProfileFlows.h"
#include "device/ReadFlows.h"
#include "device/Transaction.h"
#include "device/WriteFlows.h"
