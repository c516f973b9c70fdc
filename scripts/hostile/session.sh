# Sourced by scripts/hostile.sh: private X servers, copies of the game beside
# its archive, polls for what the game shows, and the verdict lines. Every
# wait polls for what it waits for, with a bound; none gates a verdict on time.
# The sourcing script sets `bin` (the built programs and res077.pak).

work=$(mktemp -d)
chmod 755 "$work"
# The games' private folders go to a temporary folder of this run's own, so
# that another run side by side (or anything else in /tmp) cannot be mistaken
# for something a game left behind.
export TMPDIR=$work/tmp
mkdir -m 1777 "$TMPDIR"
servers=()     # X servers to kill on the way out
games=()       # games still running on the way out
failures=0
cases=0
cleanup_session() {
  local pid
  for pid in "${games[@]}" "${servers[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  chmod -R u+rwX "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup_session EXIT

ok() { cases=$((cases + 1)); echo "ok: $*"; }
bad() { cases=$((cases + 1)); failures=$((failures + 1)); echo "FAIL: $*"; }

# Polls COMMAND every 0.1 s until it succeeds; false after TENTHS tries.
poll() {  # TENTHS COMMAND...
  local tries=$1
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# Starts a private X server of the given size; sets DISPLAY and xserver_pid.
start_x() {  # [WIDTHxHEIGHT]
  local file
  file=$(mktemp -p "$work")
  # -noreset: a server resets when its last client leaves, and refuses the
  # connections that come in meanwhile: a game started then would fail at once.
  Xvfb -displayfd 3 -noreset -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$file" 2>/dev/null &
  xserver_pid=$!
  servers+=("$xserver_pid")
  poll 100 test -s "$file" || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$(head -n1 "$file")
  poll 100 xdpyinfo >/dev/null 2>&1
}
stop_x() { { kill -9 "$xserver_pid" && wait "$xserver_pid"; } 2>/dev/null || true; }

# A fresh copy of the game and its archive: echoes its folder.
game_copy() {  # NAME
  local folder=$work/$1
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$bin/verlano" "$bin/res077.pak" "$folder/"
  echo "$folder"
}

# Starts FOLDER/verlano in the background; standard error goes to FOLDER.err.
launch() {  # FOLDER [ENV=VALUE...]
  local folder=$1
  shift
  env SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1 "$@" "$folder/verlano" >"$folder.out" 2>"$folder.err" &
  game_pid=$!
  games+=("$game_pid")
}

# How many visible windows are titled Verlano (the dialog, a box, the table).
verlano_windows() { xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null | wc -l; }
has_windows() { [ "$(verlano_windows)" -ge "$1" ]; }
alive() { kill -0 "$game_pid" 2>/dev/null; }
# The dialog is up and answering.
dialog_shown() { alive && has_windows 1; }
# The table is up (a window as large as the screen) and everything is loaded:
# no unpacked file is left, neither beside the game (links not followed) nor
# in a private folder.
table_shown() {  # FOLDER
  alive || return 1
  [ -z "$(find "$1/res" -mindepth 1 -type f 2>/dev/null)" ] || return 1
  no_private_left || return 1
  local window
  for window in $(xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)"
    [ "${WIDTH:-0}" -ge 640 ] && [ "${HEIGHT:-0}" -ge 480 ] && [ "$X" = 0 ] && return 0
  done
  return 1
}
said() { grep -qF -- "$2" "$1.err"; }  # FOLDER TEXT

# Waits for the game to end (bounded) and sets `status`.
finish() {
  status=timeout
  poll 300 eval '! alive' || { kill -9 "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; return; }
  status=0
  wait "$game_pid" || status=$?
}

# Escape at the table until the game ends: the key is sent again while the
# window may not have the keyboard yet.
leave_table() {
  local window
  for _ in $(seq 20); do
    alive || return 0
    window=$(xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null | tail -n1)
    [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
    xdotool key Escape
    poll 10 eval '! alive' && return 0
  done
}

# A press of Play: Return reaches the dialog's default button.
# The dialog is given the keyboard first: a server that never resets may have
# left the focus wherever an earlier game's window was.
press_play() {
  local dialog
  dialog=$(xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null | head -n1)
  [ -n "$dialog" ] && xdotool windowfocus "$dialog" 2>/dev/null
  xdotool key Return
}

# Nothing beside the game but the game, its archive and what the case put there.
only_game_left() {  # FOLDER [MORE...]
  local folder=$1 want left
  shift
  want=$(printf '%s\n' res077.pak verlano "$@" | sort | tr '\n' ' ')
  left=$(ls -A "$folder" | sort | tr '\n' ' ')
  [ "$left" = "$want" ]
}
# No private resource folder of the game's in the temporary folder.
no_private_left() { ! find "${TMPDIR:-/tmp}" -maxdepth 1 -name 'verlano-res-*' -newer "$work" | grep -q .; }

# A checksum of every file, link and mode below FOLDER, to prove it untouched.
fingerprint() {
  (cd "$1" && find . -printf '%p %y %m %l\n' | sort && find . -type f -print0 | sort -z | xargs -0r sha256sum)
}
