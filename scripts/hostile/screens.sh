# Sourced by scripts/hostile.sh: a small 640x480 screen. The dialog must fit it
# whole (Play and Exit on screen) and the window F11 leaves full screen for
# must not be larger than the screen.

window_inside_screen() {  # WINDOW
  local width height
  read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$width" ] && [ $((Y + HEIGHT)) -le "$height" ]
}

# The table's window once it is no longer as large as the screen (after F11).
windowed_table() {
  local window
  window=$(xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null | tail -n1)
  [ -n "$window" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" -lt 640 ] || [ "$HEIGHT" -lt 480 ] || [ "$X" != 0 ] || return 1
  echo "$window"
}

hostile_screens() {
  local folder window
  start_x 640x480 || { bad "small screen: no X server"; return; }
  folder=$(game_copy small-screen)
  launch "$folder"
  if ! poll 150 dialog_shown; then
    bad "640x480: no dialog"
  else
    window=$(xdotool search --onlyvisible --name '^Verlano$' | head -n1)
    if window_inside_screen "$window"; then
      ok "640x480: the dialog (${WIDTH}x$HEIGHT at $X,$Y) fits the screen"
    else
      bad "640x480: the dialog is ${WIDTH}x$HEIGHT at $X,$Y, past the screen's edge"
    fi
    press_play
    if ! poll 200 table_shown "$folder"; then
      bad "640x480: no table"
    else
      xdotool key F11
      if ! poll 50 windowed_table >/dev/null; then
        # A window as large as the screen is inside it too; say what it is.
        window=$(xdotool search --onlyvisible --name '^Verlano$' | tail -n1)
      else
        window=$(windowed_table)
      fi
      if window_inside_screen "$window"; then
        ok "640x480: F11's window (${WIDTH}x$HEIGHT) fits the screen"
      else
        bad "640x480: F11's window is ${WIDTH}x$HEIGHT at $X,$Y, larger than the screen"
      fi
    fi
    leave_table
  fi
  finish
  [ "$status" = 0 ] || bad "640x480: status $status after Escape"
  stop_x
}
