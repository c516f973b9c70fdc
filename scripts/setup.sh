#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tools and the tests need,
# asking apt-get only for the ones that are missing.
set -euo pipefail

packages=(
  g++ cmake pkg-config make
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libgtk-3-dev
  libcairo2-dev libpango1.0-dev fonts-dejavu-core fonts-dseg fonts-humor-sans
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # xauth: a cookie for the X server that must refuse the game in the end-to-end tests
  xvfb xauth xdotool imagemagick x11-utils adwaita-icon-theme librsvg2-common
  desktop-file-utils appstream
  # gettext: the catalogues; dpkg-dev, lintian: the Debian package and its check
  gettext dpkg-dev lintian
  time
  # python3: scripts/hostile/archives.sh patches damaged archives with it
  python3
  # gdb: scripts/call_walk.sh follows frames through the calls with it
  gdb
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
