#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: packages already present are not touched, so a prepared machine is not slowed down.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-speech-dev
  libqt6svg6 qt6-image-formats-plugins libgl-dev
  libcups2-dev cups cups-bsd printer-driver-cups-pdf poppler-utils
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick librsvg2-bin
  libxdamage-dev libxtst-dev
  debhelper dpkg-dev fakeroot lintian desktop-file-utils appstream qt6-svg-dev
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
