#!/usr/bin/env bash
# Builds Zefra (installing what is missing) and starts it; the arguments
# (an optional notebook to open) go to the program.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh" zefra
exec "$here/build/zefra" "$@"
