# Sourced by scripts/hostile.sh: the player's folders arranged as a dotfile
# manager, a careless user or a second copy of the game leaves them. The
# game's own "verlano" folders are never used through a link (a marker folder
# behind one keeps every byte); links above them are the user's and work; two
# copies never lose each other's match; odd paths are said in one line.

# A home of its own for a case: echoes its folder; the XDG variables point in.
player_home() {  # NAME
  local home=$work/home-$1
  mkdir -p "$home"
  echo "$home"
}
player_env() {  # HOME_FOLDER
  echo "HOME=$1 XDG_STATE_HOME=$1/state XDG_DATA_HOME=$1/data XDG_CONFIG_HOME=$1/config"
}

# The window of the game with process PID that is at least table-sized.
window_of() {  # PID
  local window
  for window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)"
    [ "${WIDTH:-0}" -ge 640 ] && echo "$window" && return 0
  done
  return 1
}
key_to() {  # PID KEY
  local window
  window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | tail -n1)
  [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
  xdotool key "$2"
}
# A game of the given process at its table (a window the screen's size).
at_table() {  # PID
  local window
  for window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)"
    [ "${WIDTH:-0}" -ge 1000 ] && return 0
  done
  return 1
}
leave() {  # PID
  for _ in $(seq 20); do
    kill -0 "$1" 2>/dev/null || return 0
    key_to "$1" Escape
    poll 10 eval "! kill -0 $1 2>/dev/null" && return 0
  done
}
ended_with() {  # PID: echoes the status, or "stuck"
  poll 300 eval "! kill -0 $1 2>/dev/null" || { kill -9 "$1" 2>/dev/null; echo stuck; return; }
  local s=0
  wait "$1" || s=$?
  echo "$s"
}

# Plays up to the human's first turn, where the match is kept, and leaves.
play_to_kept_match() {  # FOLDER HOME MATCH_FILE
  launch "$1" $(player_env "$2")
  poll 150 dialog_shown || return 1
  key_to "$game_pid" Return
  poll 300 test -s "$3" || return 1
  leave "$game_pid"
  [ "$(ended_with "$game_pid")" = 0 ]
}

hostile_player_files() {
  start_x || { bad "player's files: no X server"; return; }
  local folder home real before pid_a pid_b s part

  # Links above the game's folders, as dotfile managers make them.
  folder=$(game_copy player-linked-parents)
  home=$(player_home linked-parents)
  real=$work/real-parents
  mkdir -p "$real/state" "$real/data" "$real/config"
  ln -s "$real/state" "$home/state"
  ln -s "$real/data" "$home/data"
  ln -s "$real/config" "$home/config"
  if ! play_to_kept_match "$folder" "$home" "$real/state/verlano/match"; then
    bad "linked parents: no match kept under $real/state: $(tr '\n' ' ' <"$folder.err")"
  elif [ ! -s "$real/config/verlano/settings" ] || said "$folder" "Not a directory"; then
    bad "linked parents: the settings were not kept: $(tr '\n' ' ' <"$folder.err")"
  else
    ok "linked parents: the match and the settings kept through the user's links"
  fi

  # The game's own folders links to a marker holding a real match, damaged
  # settings and statistics: Play over it must neither remove, rename nor write.
  folder=$(game_copy player-linked-own)
  home=$(player_home linked-own)
  real=$work/marker-player
  mkdir -p "$real" "$home/state" "$home/data" "$home/config"
  cp "$work/real-parents/state/verlano/match" "$real/match" 2>/dev/null || echo "verlano-match 1" >"$real/match"
  echo "not settings at all" >"$real/settings"
  printf 'verlano-statistics 1\nnine.classic played=2 won=1 lost=1 hands=9 sweeps=1 best-streak=1 streak=0\nend\n' \
    >"$real/statistics"
  for part in state data config; do ln -s "$real" "$home/$part/verlano"; done
  before=$(fingerprint "$real")
  launch "$folder" $(player_env "$home")
  if ! poll 150 dialog_shown; then
    finish
    bad "the game's folders links: no dialog: $(tr '\n' ' ' <"$folder.err")"
  else
    key_to "$game_pid" Return
    poll 200 at_table "$game_pid"
    leave "$game_pid"
    s=$(ended_with "$game_pid")
    if [ "$s" != 0 ]; then
      bad "the game's folders links: status $s: $(tr '\n' ' ' <"$folder.err")"
    elif [ "$(fingerprint "$real")" != "$before" ]; then
      bad "the game's folders links: the marker behind them changed"
    elif [ "$(grep -c "is a symbolic link, not a folder of the game's" "$folder.err")" != 3 ]; then
      bad "the game's folders links: not said once a folder: $(tr '\n' ' ' <"$folder.err")"
    else
      ok "the game's folders links: left as they are, said once each, the marker intact"
    fi
  fi

  # Two copies on one player's folders: the second neither offers, gives up
  # nor removes the first's match, and keeps nothing of its own.
  local first second
  first=$(game_copy player-first-copy)
  second=$(game_copy player-second-copy)
  home=$(player_home two-copies)
  launch "$first" $(player_env "$home")
  pid_a=$game_pid
  poll 150 dialog_shown && key_to "$pid_a" Return
  if ! poll 300 test -s "$home/state/verlano/match"; then
    bad "two copies: the first copy kept no match: $(tr '\n' ' ' <"$first.err")"
  else
    before=$(fingerprint "$home")
    launch "$second" $(player_env "$home")
    pid_b=$game_pid
    poll 150 eval "[ -n \"\$(xdotool search --onlyvisible --pid $pid_b 2>/dev/null)\" ]"
    key_to "$pid_b" Return
    poll 200 at_table "$pid_b"
    leave "$pid_b"
    s=$(ended_with "$pid_b")
    if [ "$s" != 0 ]; then
      bad "two copies: the second ended with $s: $(tr '\n' ' ' <"$second.err")"
    elif ! said "$second" "being played by another copy"; then
      bad "two copies: the second did not say the match is played elsewhere: $(tr '\n' ' ' <"$second.err")"
    elif [ "$(fingerprint "$home")" != "$before" ]; then
      bad "two copies: the second copy changed the first's files"
    else
      ok "two copies: the second said so and left the first's match and statistics as they were"
    fi
  fi
  leave "$pid_a"
  ended_with "$pid_a" >/dev/null

  # Paths no folder can have: too long, or with a line break and a terminal's
  # escape: one escaped line each, and the game plays.
  folder=$(game_copy player-odd-paths)
  home=$(player_home odd-paths)
  local odd=$home/da$'\n'ta$'\e'[31m
  mkdir -p "$odd"
  ln -s "$work/marker-player" "$odd/verlano"
  launch "$folder" HOME="$home" XDG_STATE_HOME="/$(head -c 5000 /dev/zero | tr '\0' a)" \
    XDG_DATA_HOME="$odd" XDG_CONFIG_HOME="$home/config"
  if ! poll 150 dialog_shown; then
    finish
    bad "odd paths: no dialog: $(tr '\n' ' ' <"$folder.err")"
  else
    key_to "$game_pid" Escape
    finish
    if [ "$status" != 0 ]; then
      bad "odd paths: status $status"
    elif ! said "$folder" "its path is longer than the system allows" || said "$folder" "match file"; then
      bad "odd paths: the long path not said as such: $(tr '\n' ' ' <"$folder.err")"
    elif grep -q $'\e' "$folder.err" || ! grep -qF 'da\nta\x1b[31m/verlano is a symbolic link' "$folder.err" ||
      grep -q '^ta' "$folder.err"; then
      bad "odd paths: a raw escape or a broken line on standard error"
    else
      ok "odd paths: a path too long said as such, every line escaped and whole"
    fi
  fi
  stop_x
}
