#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages the
# build needs (only when one is missing), then configures a build in build/
# and builds the given targets (every target when none is given).
set -euo pipefail
cd "$(dirname "$0")/.."

# Compiler and build tools; Qt 6 with its multimedia and test modules, and
# the OpenGL and Vulkan headers that Qt's CMake files look for (xkbcommon is
# optional there); GoogleTest and Google Benchmark; the font the drawing
# surfaces use; Qt's own Italian texts (file dialogs, context menus); for
# the end-to-end tests an X server in memory, a window manager, the tools
# that drive and inspect the windows and the one that reads screenshots.
PACKAGES=(cmake ninja-build g++
          qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-translations-l10n
          libgl-dev libvulkan-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core
          xvfb openbox xdotool x11-utils imagemagick xclip dbus-daemon libglib2.0-bin at-spi2-core)
missing=()
for p in "${PACKAGES[@]}"; do
  status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=()
  [ "$(id -u)" -ne 0 ] && SUDO=(sudo)
  "${SUDO[@]}" apt-get update -qq
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

BUILD_TYPE="${ZEFRA_BUILD_TYPE:-Release}"
# shellcheck disable=SC2086  # extra arguments are split on purpose
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" ${ZEFRA_CMAKE_ARGS:-} >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build --parallel "$(nproc)" --target "$@"
else
  cmake --build build --parallel "$(nproc)"
fi
