#!/usr/bin/env bash
# Builds Zefra (installing what is missing) and runs the benchmarks headless,
# each drawing and opening (the sheet redraw, the representation drawings,
# the full unfolding of the factor tree of 32000, the table of primes ...)
# against its bare-Qt floor, with the ratio and its goal. Each runs three
# times and its median counts, so that one slow run on a busy machine does
# not make the figure (--benchmark_repetitions=1 for a quick look).
# Pass --benchmark_filter=Albero for the tree alone.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$here/build/zefra_bench" --benchmark_repetitions=3 "$@"
