#!/usr/bin/env bash
# The game's start on a private X server, driven with real X input:
#   startup_dialog.sh GAME BUILD_DIR dialog   the dialog, Exit, a missing archive,
#                                             Play, a read-only installed copy
#   startup_dialog.sh GAME BUILD_DIR table    Play opens the table
# VERLANO_SHOTS=DIR keeps a picture of each of the dialog's five tabs there.
set -euo pipefail
game=$1 build=$2 mode=${3:-dialog}
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"

tabs=(deck keys rules credits options)

private_folders() { find "${TMPDIR:-/tmp}" -maxdepth 1 -name 'verlano-res-*' 2>/dev/null | sort; }

if [ "$mode" = dialog ]; then
  before=$(private_folders)
  # The dialog shows with its title; the tabs; the extra points follow the variant; Exit.
  game_copy "$scratch/game" yes
  start "$scratch/game/verlano"
  for i in 0 1 2 3 4; do
    click "${tab_x[$i]}" "$tab_y"
    [ -n "${VERLANO_SHOTS:-}" ] && photo 0 0 "$WIDTH" "$HEIGHT" "$VERLANO_SHOTS/dialog_${tabs[$i]}.png"
  done
  photo "${extra_box[@]}" 20 20 "$scratch/box_initial.png"
  click "${romane[@]}"
  click $((extra_box[0] + 10)) $((extra_box[1] + 10))
  photo "${extra_box[@]}" 20 20 "$scratch/box_ticked.png"
  same "$scratch/box_initial.png" "$scratch/box_ticked.png" && fail "ticking under Romane changed nothing"
  click "${napoletane[@]}"
  photo "${extra_box[@]}" 20 20 "$scratch/box_after.png"
  same "$scratch/box_initial.png" "$scratch/box_after.png" ||
    fail "after choosing another variant the extra points box is not unticked and disabled"
  click "${exit_button[@]}"
  ends_with 0 "Exit"
  untouched "$scratch/game" "Exit"
  [ "$(private_folders)" = "$before" ] || fail "Exit made a private resource folder"
  echo "ok: dialog shown, extra points unticked with another variant, Exit ends with 0"

  # Escape leaves the dialog as Exit does.
  start "$scratch/game/verlano"
  xdotool key Escape
  ends_with 0 "Escape in the dialog"
  untouched "$scratch/game" "Escape in the dialog"
  echo "ok: Escape in the dialog ends with 0"

  # A missing archive: reported from the dialog, and the program ends with 1.
  game_copy "$scratch/bare" no
  start "$scratch/bare/verlano"
  xdotool key Return  # Play has the focus and is the default
  sleep 1.5
  xdotool key Return  # closes the message box
  ends_with 1 "Play without an archive"
  grep -q "verlano: " "$scratch/out" || fail "no message on standard error for a missing archive"
  [ ! -e "$scratch/bare/res" ] || fail "a res folder was left beside a game without its archive"
  echo "ok: a missing archive is reported and ends with 1"

  # Installed into a prefix made read-only: the game starts and unpacks elsewhere.
  prefix=$scratch/prefix
  cmake --install "$build" --prefix "$prefix" >/dev/null
  desktop-file-validate "$prefix/share/applications/org.verlano.Verlano.desktop" ||
    fail "the desktop entry does not validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/org.verlano.Verlano.metainfo.xml" >/dev/null ||
    fail "the AppStream metadata does not validate"
  for size in 16 22 24 32 48 64 128 256; do
    [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x$size/apps/org.verlano.Verlano.png")" = "${size}x$size" ] ||
      fail "no $size pixel icon"
  done
  chmod -R a+rX,a-w "$prefix"
  runner=()
  [ "$(id -u)" = 0 ] && runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
  start env HOME="$scratch" "${runner[@]}" "$prefix/bin/verlano"
  xdotool key Return
  sleep 5
  xdotool key Escape
  ends_with 0 "the installed game"
  untouched "$prefix/lib/verlano" "the read-only install"
  [ "$(private_folders)" = "$before" ] || fail "the private resource folder was not removed"
  echo "ok: the installed game starts from a read-only prefix and unpacks elsewhere"
else
  game_copy "$scratch/game" yes
  start "$scratch/game/verlano"
  xdotool key Return
  sleep 4
  xdotool search --onlyvisible --name '^Verlano$' >/dev/null 2>&1 &&
    [ "$(xdotool getwindowgeometry "$(xdotool search --onlyvisible --name '^Verlano$' | head -n1)" | grep -c 620x451)" != 0 ] &&
    fail "the dialog is still on screen with the table"
  import -window root "$scratch/table.png"
  [ -n "${VERLANO_SHOTS:-}" ] && cp "$scratch/table.png" "$VERLANO_SHOTS/table.png"
  colours=$(convert "$scratch/table.png" -format %k info:)
  [ "$colours" -gt 16 ] || fail "the screen shows no table ($colours colours)"
  [ ! -e "$scratch/game/res" ] || fail "the unpacked files are still there while play goes on"
  xdotool key Escape
  ends_with 0 "Escape at the table"
  untouched "$scratch/game" "after the table"
  echo "ok: Play closes the dialog and opens the table; Escape ends with 0"
fi
