#!/usr/bin/env bash
# Builds Zefra (installing what is missing) and runs the benchmarks headless,
# each heavy path (the sheet redraw, the representation drawings, the full
# unfolding of the factor tree of 32000 ...) against its bare-Qt floor.
# Pass --benchmark_filter=Albero for the tree alone.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$here/build/zefra_bench" "$@"
