#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages, npm packages), then
# configures and builds into the given folder (default: build).
# Usage: scripts/setup.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
shift || true

APT_PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  libzip-dev libgif-dev libchm-dev fp-utils libcanberra-dev libcanberra-pulse
  fonts-dejavu-core fonts-liberation2 fonts-urw-base35
  poppler-utils locales xvfb xauth pulseaudio pulseaudio-utils
  cups-daemon cups-client
)

missing=()
for p in "${APT_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm: take Debian's only when no npm is on the machine (a Node.js install may bring its own).
command -v npm >/dev/null 2>&1 || missing+=(npm)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm packages of the data-set generator (pinned by its lock file).
NPM_DIR="$ROOT/tools/datagen"
if [ -f "$NPM_DIR/package-lock.json" ]; then
  if [ ! -d "$NPM_DIR/node_modules" ] || [ "$NPM_DIR/package-lock.json" -nt "$NPM_DIR/node_modules/.package-lock.json" ]; then
    (cd "$NPM_DIR" && npm ci --no-audit --no-fund --loglevel=error)
  fi
fi

cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@" >/dev/null
cmake --build "$BUILD"
