# Sourced by scripts/hostile.sh: the game interrupted in each phase of its
# start and play, by a quit signal (SIGHUP, SIGQUIT, SIGTERM, SIGINT) or by
# its X server dying: in the dialog, waiting for another copy's lock, with a
# message box open over the dialog, while unpacking and loading (a random
# moment), at the table, and with the table's own message box open. Each run must end on its own, say one line, and leave nothing.

# The archive with one card's picture cut short: the table stops with a box.
damaged_picture_archive() {
  local parts=$work/damaged-parts
  [ -f "$work/damaged.pak" ] && return 0
  mkdir -p "$parts"
  "$bin/verlano-pak" extract "$bin/res077.pak" "$parts" >/dev/null || return 1
  truncate -s 200 "$parts/Trevigiano_AC.BMP"
  (cd "$parts" && "$bin/verlano-pak" create "$work/damaged.pak" $(ls) >/dev/null)
}

# Brings a fresh game up to PHASE; `folder` names it. False when it never got there.
reach_phase() {  # PHASE
  folder=$(game_copy "phase-$1-$RANDOM")
  case $1 in
  box) head -c 100 "$bin/res077.pak" >"$folder/res077.pak" ;;  # refused at Play
  tablebox) damaged_picture_archive && cp "$work/damaged.pak" "$folder/res077.pak" ;;
  lock)
    flock "$folder/res077.pak" sleep 300 &
    holder=$!
    servers+=("$holder")
    poll 50 eval '! flock -n "$folder/res077.pak" true' || return 1
    ;;
  esac
  launch "$folder"
  poll 150 dialog_shown || return 1
  case $1 in
  dialog) return 0 ;;
  box) press_play && poll 100 has_windows 2 ;;
  tablebox) press_play && poll 200 said "$folder" "Cannot read the picture" && poll 50 has_windows 1 ;;
  lock) press_play && poll 100 said "$folder" "another copy of the game is loading" ;;
  load) press_play && sleep "0.$((RANDOM % 8))" ;;  # any moment: every one must end clean
  table) press_play && poll 200 table_shown "$folder" ;;
  esac
}

# The verdict on a run that was ended: status, message, nothing left behind.
judge_end() {  # WHAT WANT_STATUS SAYS
  finish
  [ -n "${holder:-}" ] && kill "$holder" 2>/dev/null
  holder=
  if [ "$status" != "$2" ]; then
    bad "$1: status $status, not $2: $(tail -n2 "$folder.err" | tr '\n' ' ')"
  elif ! said "$folder" "$3"; then
    bad "$1: no \"$3\" on standard error: $(tr '\n' ' ' <"$folder.err")"
  elif ! only_game_left "$folder"; then
    bad "$1: the program folder holds $(ls -A "$folder" | tr '\n' ' ')"
  elif ! no_private_left; then
    bad "$1: a private resource folder was left"
  else
    ok "$1: ended with $2, said so, left nothing"
  fi
}

hostile_phases() {
  local phase signal number
  start_x || { bad "phases: no X server"; return; }
  for phase in dialog lock box load table tablebox; do
    for signal in HUP QUIT TERM INT; do
      number=$(kill -l "$signal")
      if ! reach_phase "$phase"; then
        finish
        bad "SIG$signal in the $phase: the game never got there: $(tail -n2 "$folder.err" | tr '\n' ' ')"
        continue
      fi
      kill -s "$signal" "$game_pid"
      judge_end "SIG$signal in the $phase" $((128 + number)) "stopped by signal $number"
    done
  done
  stop_x
  for phase in dialog lock box load table tablebox; do
    start_x || { bad "display lost: no X server"; return; }
    if ! reach_phase "$phase"; then
      finish
      bad "X server killed in the $phase: the game never got there"
      stop_x
      continue
    fi
    stop_x
    judge_end "X server killed in the $phase" 1 "went away"
  done
}
