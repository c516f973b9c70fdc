# Sourced by the end-to-end scripts: a private X server that is killed on the
# way out, a copy of the game beside its archive, starting the game and
# waiting for its dialog or its end, and photographs of the screen.
# The sourcing script sets `game` (the built program) and `here` (its folder).

scratch=$(mktemp -d)
chmod 755 "$scratch"
xvfb_pid=
game_pid=
on_exit=()  # more clean-up commands of the sourcing script (a mount, another server), run first
cleanup() {
  local step
  for step in "${on_exit[@]}"; do eval "$step" || true; done
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$scratch/display")
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$here/system_leaks.supp:print_suppressions=0"
export NO_AT_BRIDGE=1

# Mesa's software GL driver, which SDL's renderer gets under Xvfb, is opened
# and closed again at run time; what it still points to when closed reads as
# a leak of an unnamed module. Kept loaded for the game's run, its memory stays
# reachable as it is for the driver itself.
keep_loaded=()
swrast=$(find /usr/lib -path '*/dri/swrast_dri.so' 2>/dev/null | head -n1)
[ -n "$swrast" ] &&
  keep_loaded=(env LD_PRELOAD="$swrast" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")

# A copy of the game with (or without) its archive, so what it unpacks is seen.
game_copy() {  # FOLDER WITH_ARCHIVE
  mkdir -p "$1"
  cp "$game" "$1/verlano"
  [ "$2" = yes ] && cp "$(dirname "$game")/res077.pak" "$1/"
  chmod -R a+rX "$1"
}

# The first visible window titled Verlano, or nothing.
game_window() { xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null | head -n1 || true; }

# Starts the game (optionally as another user) and waits for the dialog.
# Sets X and Y to the dialog's top-left corner, WIDTH and HEIGHT to its size.
start() {  # COMMAND...
  "${keep_loaded[@]}" "$@" >"$scratch/out" 2>&1 &
  game_pid=$!
  local window=
  for _ in $(seq 150); do
    window=$(game_window)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || { cat "$scratch/out"; fail "the game ended before its dialog showed"; }
    sleep 0.2
  done
  [ -n "$window" ] || fail "no window titled Verlano"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  sleep 0.5
}

# Waits for the game to end and checks its status.
ends_with() {  # STATUS WHAT
  local status=0
  for _ in $(seq 300); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = "$1" ] || { cat "$scratch/out"; fail "$2: status $status, not $1"; }
}

# A click inside the dialog, from its top-left corner.
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.4; }

# Places inside the dialog, from its top-left corner.
tab_x=(48 111 177 250 330) tab_y=28
romane=(35 217) napoletane=(35 119) extra_box=(61 266) exit_button=(467 413)
royal=(34 237) play_button=(565 413)  # Royal on the Deck tab

photo() { import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" "$5"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

# Nothing but the game and its archive in the folder, and no private folder made.
untouched() {  # FOLDER WHAT
  local left
  left=$(ls -A "$1" | sort | tr '\n' ' ')
  [ "$left" = "res077.pak verlano " ] || fail "$2: the program folder holds: $left"
}
