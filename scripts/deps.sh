#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, but only those missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  poppler-utils  # the tests read printed PDFs back with pdftotext
)
if [ "${1:-}" = "--run" ]; then
  # Qt's platform plugins for a desktop session.
  packages+=(qt6-wayland xvfb xauth)
fi
if [ "${1:-}" = "--test" ]; then
  # Hamlib's network client, which the network control server's test drives it with.
  packages+=(libhamlib-utils)
  # node and npm for the ADIF library the export is read back with (a node of another origin
  # that brings its own npm will do).
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
