#!/usr/bin/env bash
# Builds the Debian package from a Release build with `cpack -G DEB`, lists
# it, checks it with lintian (no error allowed), installs it (with dpkg as
# root, else unpacked into a throwaway root), starts it (`--version`, the
# Italian catalogue, the dialog under Xvfb, Exit with status 0), removes it
# again and checks that nothing of it is left.
#   bash scripts/package.sh [BUILD]   # BUILD: a Release build folder (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

out_dir=$(realpath "$build")/package
rm -rf "$out_dir"
(cd "$build" && cpack -G DEB -B "$out_dir" >/dev/null)
deb=$out_dir/verlano_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "package: cpack made no $deb" >&2; exit 1; }
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n -e 's/^ Package: /package: name /p' -e 's/^ Depends: /package: depends /p'
dpkg-deb --contents "$deb" | grep -v "^d"  # its files and links
echo "package: lintian"
lintian --fail-on error "$deb"

# What removing the package must take away: its files and links, and its own
# folders (those it shares with the system, such as /usr/share/icons, stay).
owned=$(dpkg-deb --contents "$deb" |
  awk '$1 !~ /^d/ || $6 ~ /\/verlano\/$/ { sub(/^\./, "", $6); sub(/\/$/, "", $6); print $6 }')

here=$(pwd)/tests/e2e
game=
# shellcheck source=/dev/null
. "$here/x_session.sh"

if [ "$(id -u)" = 0 ]; then
  ! dpkg-query -W -f='${Status}' verlano 2>/dev/null | grep -q 'ok installed' ||
    fail "a verlano package is installed on this machine already; it is left as it is"
  root=
  on_exit+=('dpkg-query -W verlano >/dev/null 2>&1 && dpkg --purge verlano >/dev/null')
  dpkg -i "$deb" >/dev/null || fail "dpkg could not install $deb"
  how="installed with dpkg"
else
  root=$scratch/root
  dpkg-deb -x "$deb" "$root"
  how="unpacked into a throwaway root"
fi
installed=$root/usr/bin/verlano

said_version=$("$installed" --version)
[ "$said_version" = "verlano $version" ] || fail "--version said '$said_version'"
# The installed catalogue is found from the installed program.
LANGUAGE=it LANG=C.UTF-8 "$installed" --help | grep -q '^Uso: verlano' ||
  fail "the installed game does not speak Italian under LANGUAGE=it"
start "$installed"
press "${exit_button[@]}"
ends_with 0 "Exit from the installed game's dialog"
echo "ok: the package $how: --version, --help in Italian, the dialog and Exit with status 0"

if [ -z "$root" ]; then
  dpkg --purge verlano >/dev/null || fail "dpkg could not remove the package"
else
  rm -rf "$root"
fi
left=()
for path in $owned; do
  if [ -e "$root$path" ] || [ -L "$root$path" ]; then left+=("$path"); fi
done
[ ${#left[@]} = 0 ] || fail "left after removing the package: ${left[*]}"
echo "ok: the package removed, nothing of it left"
