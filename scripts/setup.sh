#!/usr/bin/env bash
# Installs the Debian packages the project needs, when any is missing.
# Runs apt-get as root, or through sudo when not root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkgconf ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  libhidapi-dev libudev-dev libgtest-dev libgmock-dev
  fonts-wqy-microhei xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
  echo "(not root: using sudo)"
  apt=(sudo apt-get)
else
  echo "error: these packages are missing and neither root nor sudo is available:" >&2
  echo "  ${missing[*]}" >&2
  echo "Install them with your package manager, then run this again." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
