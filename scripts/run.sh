#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the configurator on the simulated mouse.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# The window on the simulated mouse (its EEPROM kept in build/simulated-mouse.bin).
exec build/orvex71 --simulate=build/simulated-mouse.bin "$@"
