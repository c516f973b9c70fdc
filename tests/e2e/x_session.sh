# Sourced by the end-to-end scripts: a private X server that is killed on the
# way out, a copy of the game beside its archive, starting the game and
# waiting for its dialog, its table or its end, and photographs of the screen.
# Every wait polls for what it waits for with a generous bound, so a loaded
# machine makes a test slower, never wrong; no wait gates a check on time.
# The sourcing script sets `game` (the built program) and `here` (its folder);
# VERLANO_SCREEN (WIDTHxHEIGHT, 1280x1024 if unset) sizes the X screen.

# Sourced twice, a second server and scratch folder would hide the first
# from the clean-up, and its server would hold the test's output open.
[ -z "${x_session_scratch:-}" ] || return 0

# A command that fails without a word still names itself and its line.
set -E
trap 'echo "FAIL: line $LINENO of ${BASH_SOURCE[0]##*/}: \"$BASH_COMMAND\" ended with status $?" >&2' ERR
fail() {
  echo "FAIL: $*" >&2
  if [ -n "$xvfb_pid" ] && gone "$xvfb_pid"; then echo "(the X server had died: $(cat "$scratch/xvfb.err"))" >&2; fi
  exit 1
}

scratch=$(mktemp -d)
x_session_scratch=$scratch
chmod 755 "$scratch"
# The player's files (a kept match, statistics, settings) go to this run's
# own folders, never to the real home.
export XDG_STATE_HOME=$scratch/xdg/state XDG_DATA_HOME=$scratch/xdg/data XDG_CONFIG_HOME=$scratch/xdg/config
# And its private resource folders go to this run's own temporary folder
# (open to all, as /tmp, for the install run as another user): the folders
# another game or test makes or removes meanwhile are not this run's to count.
export TMPDIR=$scratch/tmp
mkdir -m 1777 "$TMPDIR"
xvfb_pid=
game_pid=
on_exit=()  # more clean-up commands of the sourcing script (a mount, another server), run first
cleanup() {
  local status=$? step
  for step in "${on_exit[@]}"; do eval "$step" || true; done
  if [ -n "$game_pid" ]; then
    kill -CONT "$game_pid" 2>/dev/null || true
    kill "$game_pid" 2>/dev/null || true
    poll 100 gone "$game_pid" || kill -KILL "$game_pid" 2>/dev/null || true
  fi
  # Waited for, so that the next test's server never meets this one's socket.
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  chmod -R u+w "$scratch" 2>/dev/null || true
  if [ "$status" != 0 ] && [ -n "${VERLANO_KEEP:-}" ]; then
    mkdir -p "$VERLANO_KEEP" && mv "$scratch" "$VERLANO_KEEP/" && echo "kept $VERLANO_KEEP/${scratch##*/}" >&2
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

now_us() { echo "${EPOCHREALTIME/./}"; }
# Runs COMMAND every tenth of a second until it succeeds; false once TENTHS
# tenths of a second have passed without.
poll() {  # TENTHS COMMAND...
  local end=$(($(now_us) + $1 * 100000))
  shift
  until "$@"; do
    [ "$(now_us)" -lt "$end" ] || return 1
    sleep 0.1
  done
}
# The same without a pause between tries, for a state that lasts a moment.
spin() {  # TENTHS COMMAND...
  local end=$(($(now_us) + $1 * 100000)) tries=0
  shift
  until "$@"; do
    tries=$((tries + 1))
    [ $((tries % 64)) != 0 ] || [ "$(now_us)" -lt "$end" ] || return 1
  done
}
gone() { ! kill -0 "$1" 2>/dev/null; }
alive() { kill -0 "$game_pid" 2>/dev/null; }
out=$scratch/out  # where `start` sends the game's output and standard error
# The game's standard error so far holds TEXT.
said() { grep -qF -- "$1" "$out"; }

# The X server, waited for while it starts and started again if it dies on
# the way up. It never resets: a server that resets once its last client
# has gone refuses connections meanwhile, the game's or xdotool's.
x_answers() { [ -s "$scratch/display" ] && DISPLAY=:$(head -n1 "$scratch/display") xdpyinfo >/dev/null 2>&1; }
x_up_or_gone() { x_answers || gone "$xvfb_pid"; }
for _ in 1 2 3; do
  : >"$scratch/display"
  Xvfb -displayfd 3 -screen 0 "${VERLANO_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.err" &
  xvfb_pid=$!
  poll 600 x_up_or_gone
  x_answers && break
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
done
x_answers || { cat "$scratch/xvfb.err" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n1 "$scratch/display")

export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$here/system_leaks.supp:print_suppressions=0"
export NO_AT_BRIDGE=1

# Mesa's software GL driver, which SDL's renderer gets under Xvfb, is opened
# and closed again at run time; what it still points to when closed reads as
# a leak of an unnamed module. Kept loaded for the game's run, its memory stays
# reachable as it is for the driver itself.
keep_loaded=()
for swrast in /usr/lib/*/dri/swrast_dri.so /usr/lib/dri/swrast_dri.so; do
  [ -e "$swrast" ] || continue
  keep_loaded=(env LD_PRELOAD="$swrast" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
  break
done

# A copy of the game with (or without) its archive, so what it unpacks is seen.
game_copy() {  # FOLDER WITH_ARCHIVE
  mkdir -p "$1"
  cp "$game" "$1/verlano"
  if [ "$2" = yes ]; then cp "$(dirname "$game")/res077.pak" "$1/"; fi
  chmod -R a+rX "$1"
}

# The visible windows titled Verlano, one id a line.
verlano_windows() { xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null || true; }
# "WIDTH HEIGHT X Y" of a window; false once it is gone.
geometry() {  # WINDOW
  xdotool getwindowgeometry --shell "$1" 2>/dev/null |
    awk -F= '{ v[$1] = $2 } END { if (!("WIDTH" in v)) exit 1; print v["WIDTH"], v["HEIGHT"], v["X"], v["Y"] }'
}
# The table: a visible window titled Verlano covering the whole screen; echoes its id.
table_window() {
  local window
  for window in $(verlano_windows); do
    [ "$(geometry "$window")" = "$(xdotool getdisplaygeometry) 0 0" ] && echo "$window" && return 0
  done
  return 1
}
# The dialog `start` found is still on screen.
dialog_shown() { verlano_windows | grep -qx "$dialog"; }
# A window titled Verlano that is neither the dialog nor the table and says it
# is a dialog: a message box. The type matters: the table's own window shows
# for a moment before it fills the screen, and may go again before a box opens.
box_window() {
  local window
  for window in $(verlano_windows); do
    [ "$window" != "$dialog" ] && [ "$window" != "$(table_window)" ] &&
      xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG &&
      echo "$window" && return 0
  done
  return 1
}

# Screenshots: the screen, or a rectangle WxH+X+Y of it, as $scratch/NAME.ppm
# (no time stamp inside: two shots of one picture are the same bytes).
shot() { import -window root ${2:+-crop "$2"} "$scratch/$1.ppm"; }  # NAME [AREA]
same() { cmp -s "$scratch/$1.ppm" "$scratch/$2.ppm"; }  # NAME NAME
shot_unchanged() {  # NAME [AREA]: a new shot is the same as the one before
  mv -f "$scratch/$1.ppm" "$scratch/$1.before.ppm"
  shot "$@" && cmp -s "$scratch/$1.ppm" "$scratch/$1.before.ppm"
}
# Shots until three in a row are the same: the picture has settled (a game
# starved of the processor for one shot's time is not taken for settled).
unchanged_twice() {  # NAME [AREA]
  if shot_unchanged "$@"; then unchanged=$((unchanged + 1)); else unchanged=0; fi
  [ "$unchanged" -ge 2 ]
}
steady() {  # NAME [AREA]
  unchanged=0
  shot "$@"
  poll 600 unchanged_twice "$@" || fail "the picture ($1) never settled"
}
shot_differs() { shot "$1" "${3:-}" && ! same "$1" "$2"; }  # NAME FROM [AREA]
# Shots until one differs from shot FROM, then until it settles.
changes() {  # NAME FROM [AREA] WHAT
  poll 600 shot_differs "$1" "$2" "${3:-}" || fail "$4"
  steady "$1" "${3:-}"
}
colours() { identify -format %k "$scratch/$1.ppm"; }

# The dialog's rectangle on the screen; a rectangle inside it, from its corner.
dialog_area() { echo "${WIDTH}x$HEIGHT+$X+$Y"; }
in_dialog() { echo "$3x$4+$((X + $1))+$((Y + $2))"; }  # DX DY W H
dialog_drawn() { shot_unchanged dialog "$(dialog_area)" && [ "$(colours dialog)" -gt 16 ]; }
new_window_or_end() {  # IDS_BEFORE: sets dialog
  dialog=$(verlano_windows | grep -vxF -e "$1" | sed -n 1p || true)
  [ -n "$dialog" ] || gone "$game_pid"
}

# Starts the game (through COMMAND, which may set its surroundings) and waits
# for its dialog: a new window titled Verlano, drawn and settled. Sets
# `dialog` to its id, X and Y to its top-left corner, WIDTH and HEIGHT.
start() {  # COMMAND...
  local before
  before=$(verlano_windows)
  "${keep_loaded[@]}" "$@" >"$out" 2>&1 &
  game_pid=$!
  poll 600 new_window_or_end "$before" || { cat "$out"; fail "no new window titled Verlano"; }
  [ -n "$dialog" ] || { cat "$out"; fail "the game ended before its dialog showed"; }
  read -r WIDTH HEIGHT X Y < <(geometry "$dialog") || fail "the dialog went as it showed"
  shot dialog "$(dialog_area)"
  poll 600 dialog_drawn || fail "the dialog was never drawn"
  # The keys go to it, as a window manager would see to: the server (which
  # never resets) leaves the focus nowhere once a game's window has gone.
  timeout 60 xdotool windowfocus --sync "$dialog" || fail "the dialog never took the keyboard"
}

# Starts the game as `start` does, speaking English (en) or LANGUAGE whatever
# the caller's environment says.
start_in() {  # LANGUAGE GAME
  local speech=(LANG=C.UTF-8)
  [ "$1" = en ] || speech+=(LANGUAGE="$1")
  start env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "${speech[@]}" "$2"
}

# Waits for the game to end and checks its status.
ends_with() {  # STATUS WHAT
  local status=0
  poll 900 gone "$game_pid" || { cat "$out"; fail "$2: the game did not end"; }
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = "$1" ] || { cat "$out"; fail "$2: status $status, not $1"; }
}

# A click inside the dialog, from its top-left corner, once the pointer's
# hover has settled; waits until the dialog shows the click's effect.
click() {  # DX DY
  xdotool mousemove $((X + $1)) $((Y + $2))
  steady hover "$(dialog_area)"
  xdotool click 1
  changes clicked hover "$(dialog_area)" "a click at $1,$2 in the dialog changed nothing"
}
# A click on a button that ends the dialog: the caller waits for what follows.
press() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }  # DX DY
# NOTCHES clicks of the wheel down with the pointer at DX DY in the dialog,
# which must change what it shows.
wheel_down() {  # DX DY NOTCHES WHAT
  xdotool mousemove $((X + $1)) $((Y + $2))
  steady hover "$(dialog_area)"
  xdotool click --repeat "$3" --delay 50 5
  changes wheeled hover "$(dialog_area)" "$4"
}

# Places inside the dialog, from its top-left corner.
tab_x=(48 111 177 250 330 410) tab_y=28
romane=(35 217) napoletane=(35 119) extra_box=(61 266) exit_button=(467 413)
royal=(34 237) play_button=(565 413)  # Royal on the Deck tab

# The message box the game shows, once drawn, closed with its button along the bottom.
close_box() {  # WHAT
  local box width height x y
  box=
  poll 600 eval 'box=$(box_window)' || { cat "$out"; fail "$1: no message box"; }
  read -r width height x y < <(geometry "$box") || fail "$1: the message box went"
  steady box "${width}x$height+$x+$y"
  xdotool mousemove $((x + width / 2)) $((y + height - 14)) click 1  # its Close button
}

# Nothing but the game and its archive in the folder, and no private folder made.
untouched() {  # FOLDER WHAT
  local left
  left=$(ls -A "$1" | sort | tr '\n' ' ')
  [ "$left" = "res077.pak verlano " ] || fail "$2: the program folder holds: $left"
}
private_folders() { find "${TMPDIR:-/tmp}" -maxdepth 1 -name 'verlano-res-*' 2>/dev/null | sort || true; }
