#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages the
# build needs (only when one is missing), then configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
          libgtest-dev libgmock-dev libbenchmark-dev libgl-dev fonts-dejavu-core)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

BUILD_TYPE="${ZEFRA_BUILD_TYPE:-Release}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" ${ZEFRA_CMAKE_ARGS:-} >/dev/null
cmake --build build --parallel "$(nproc)"
