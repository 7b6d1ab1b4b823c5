#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program on the simulated mouse.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/cli/orvex71ctl show --image resources/factory/ORVEX71Data_Cfg1.bin "$@"
