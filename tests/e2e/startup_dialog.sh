#!/usr/bin/env bash
# The game's start on a private X server, driven with real X input:
#   startup_dialog.sh GAME BUILD_DIR dialog   the dialog, Exit, the wheel over the
#                                             Options page, a missing archive,
#                                             Play, a read-only installed copy
#   startup_dialog.sh GAME BUILD_DIR table    Play opens the table
# VERLANO_SHOTS=DIR keeps a picture of each of the dialog's five tabs there,
# and of the Options tab scrolled down to the levels.
set -euo pipefail
game=$1 build=$2 mode=${3:-dialog}
here=$(cd "$(dirname "$0")" && pwd)

. "$here/x_session.sh"
. "$here/table_screen.sh"

tabs=(deck keys rules credits options)
# The Volume slider once the Options page is scrolled to its end: its knob at 98.
volume_knob=(303 102)

if [ "$mode" = dialog ]; then
  before=$(private_folders)
  # The dialog shows with its title; the tabs; the extra points follow the variant; Exit.
  game_copy "$scratch/game" yes
  start "$scratch/game/verlano"
  for i in 1 2 3 4 0; do  # the Deck tab shows first
    click "${tab_x[$i]}" "$tab_y"
    if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/clicked.ppm" "$VERLANO_SHOTS/dialog_${tabs[$i]}.png"; fi
  done
  click "${tab_x[4]}" "$tab_y"
  shot box_initial "$(in_dialog "${extra_box[@]}" 20 20)"
  click "${romane[@]}"
  click $((extra_box[0] + 10)) $((extra_box[1] + 10))
  shot box_ticked "$(in_dialog "${extra_box[@]}" 20 20)"
  same box_initial box_ticked && fail "ticking under Romane changed nothing"
  click "${napoletane[@]}"
  shot box_after "$(in_dialog "${extra_box[@]}" 20 20)"
  same box_initial box_after ||
    fail "after choosing another variant the extra points box is not unticked and disabled"
  press "${exit_button[@]}"
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

  if [ -n "${VERLANO_SHOTS:-}" ]; then  # the Options page scrolled down to the levels
    start "$scratch/game/verlano"
    click "${tab_x[4]}" "$tab_y"
    wheel_down 300 250 6 "the wheel did not scroll the Options page"
    convert "$scratch/wheeled.ppm" "$VERLANO_SHOTS/dialog_options_levels.png"
    xdotool key Escape
    ends_with 0 "Escape in the dialog"
  fi

  # The wheel scrolls the Options page, also while the Volume slider passes
  # under the pointer, and Play keeps the volume; the slider takes the wheel
  # once clicked.
  settings=$XDG_CONFIG_HOME/verlano/settings
  mkdir -p "$XDG_CONFIG_HOME/verlano"
  printf 'verlano-settings 1\nsound volume=98 muted=0\nend\n' >"$settings"
  start "$scratch/game/verlano"
  click "${tab_x[4]}" "$tab_y"
  wheel_down 300 250 12 "the wheel did not scroll the Options page"
  press "${play_button[@]}"
  screen_area
  poll 1200 table_drawn || fail "Play after the wheel opened no table"
  xdotool key Escape
  ends_with 0 "Escape after the wheel"
  grep -qx 'sound volume=98 muted=0' "$settings" ||
    fail "scrolling the Options page changed the volume: $(grep '^sound ' "$settings")"
  # The table may have kept its match: the starts below are offered none.
  rm -f "$XDG_STATE_HOME/verlano/match"
  start "$scratch/game/verlano"
  click "${tab_x[4]}" "$tab_y"
  wheel_down 300 250 12 "the wheel did not scroll the Options page"
  press "${volume_knob[@]}"
  wheel_down "${volume_knob[@]}" 1 "the Volume slider, clicked, did not take the wheel"
  press "${exit_button[@]}"
  ends_with 0 "Exit after the wheel"
  echo "ok: the wheel scrolls the Options page and keeps the volume; the slider clicked takes it"

  # A missing archive: reported in a box over the dialog, and the program ends with 1.
  game_copy "$scratch/bare" no
  start "$scratch/bare/verlano"
  xdotool key Return  # Play has the focus and is the default
  close_box "Play without an archive"
  ends_with 1 "Play without an archive"
  said "verlano: " || fail "no message on standard error for a missing archive"
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
  screen_area
  poll 1200 table_drawn || fail "the installed game never showed its table"
  xdotool key Escape
  ends_with 0 "the installed game"
  untouched "$prefix/lib/verlano" "the read-only install"
  [ "$(private_folders)" = "$before" ] || fail "the private resource folder was not removed"
  echo "ok: the installed game starts from a read-only prefix and unpacks elsewhere"
else
  game_copy "$scratch/game" yes
  start "$scratch/game/verlano"
  xdotool key Return
  screen_area
  poll 1200 table_drawn || {
    dialog_shown && fail "the dialog is still on screen"
    table_window >/dev/null || fail "no full-screen window titled Verlano"
    fail "the screen shows no table"
  }
  # The cloth is drawn after loading, and the unpacked files go as loading ends.
  [ ! -e "$scratch/game/res" ] || fail "the unpacked files are still there while play goes on"
  if [ -n "${VERLANO_SHOTS:-}" ]; then convert "$scratch/table.ppm" "$VERLANO_SHOTS/table.png"; fi
  xdotool key Escape
  ends_with 0 "Escape at the table"
  untouched "$scratch/game" "after the table"
  echo "ok: Play closes the dialog and opens the table, which is loaded with nothing left unpacked; Escape ends with 0"
fi
