#!/usr/bin/env bash
# Builds Zefra (installing what is missing) and runs the benchmarks headless.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$here/build/zefra_bench" "$@"
