#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite.
# Usage: scripts/test.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
shift || true
"$ROOT/scripts/setup.sh" "$BUILD" "$@"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$BUILD"
ctest --output-on-failure -j "$(nproc)"
