#pragma once

#include <QStringList>

#include <optional>

#include "device/DeviceBackend.h"

namespace orvex {

// orvex71 [--simulate[=EEPROM_FILE]] [--sim-fault SPEC ...] [--engineer]
struct AppOptions {
    DeviceOptions device;
    bool engineerButtons = false;  // the hidden engineer buttons shown, for factory use
};

// nullopt with error set on a word it does not know.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments, QString& error);

}  // namespace orvex
