#!/usr/bin/env bash
# Builds Zefra (installing what is missing) and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
exec "$here/build/zefra" "$@"
