# Sourced by scripts/hostile.sh: the game started in folders a careless user
# or another program left behind. A marker folder and a marker file outside
# the game's own must survive byte for byte; the game plays and leaves the
# program folder as it found it.

# Dialog, Play, the table, Escape; sets `status` ("stuck" when a step never came).
play_through() {  # FOLDER [ENV=VALUE...]
  local folder=$1
  launch "$@"
  status=stuck
  poll 150 dialog_shown || { finish; status="$status before the dialog"; return; }
  press_play
  poll 200 table_shown "$folder" || { finish; status="$status before the table"; return; }
  leave_table
  finish
}

make_marker() {  # FOLDER
  mkdir -p "$1/Sounds" "$1/Bitmaps" "$1/Trevigiano"
  echo "the user's flip" >"$1/Sounds/CARD_FLIP.WAV"
  echo "the user's card" >"$1/Trevigiano/AC.BMP"
  head -c 4096 /dev/urandom >"$1/Bitmaps/Back_800x600.bmp"
  echo "the user's notes" >"$1/notes.txt"
}

# Each case: what stands at the game's names; what must stay; what is said.
folder_case() {  # NAME ARRANGE KEEP SAYS
  local name=$1 arrange=$2 keep=$3 says=$4 folder marker before
  folder=$(game_copy "folder-$name")
  marker=$work/marker-$name
  make_marker "$marker"
  (cd "$folder" && eval "$arrange")
  before=$(fingerprint "$marker")
  play_through "$folder"
  if [ "$status" != 0 ]; then
    bad "$name: status $status, not 0: $(tail -n2 "$folder.err" | tr '\n' ' ')"
  elif [ "$(fingerprint "$marker")" != "$before" ]; then
    bad "$name: the marker folder outside the game changed"
  elif ! only_game_left "$folder" $keep; then
    bad "$name: the program folder holds $(ls -A "$folder" | tr '\n' ' ')"
  elif [ -n "$says" ] && ! said "$folder" "$says"; then
    bad "$name: no \"$says\" on standard error: $(tr '\n' ' ' <"$folder.err")"
  elif ! no_private_left; then
    bad "$name: a private resource folder was left in ${TMPDIR:-/tmp}"
  else
    ok "$name: played, the marker folder intact, the program folder as it was"
  fi
}

hostile_folders() {
  start_x || { bad "folders: no X server"; return; }
  folder_case "res a link to another folder" 'ln -s "$marker" res' res "res is a symbolic link"
  folder_case "res/Sounds a link to another folder" \
    'mkdir res && ln -s "$marker/Sounds" res/Sounds' res "res/Sounds is a symbolic link"
  folder_case "the background's BMP a link to a file elsewhere" \
    'mkdir -p res/Bitmaps && ln -s "$marker/Bitmaps/Back_800x600.bmp" res/Bitmaps/Back_800x600.bmp' "" ""
  folder_case "a card's name a link to a file elsewhere" \
    'mkdir -p res/Trevigiano && ln -s "$marker/Trevigiano/AC.BMP" res/Trevigiano/AC.BMP' "" ""
  folder_case "res a dangling link" 'ln -s "$marker/gone" res' res "dangling symbolic link"
  folder_case "res a file" 'echo "a file named res" >res' res "res is a file"
  folder_case "res a FIFO" 'mkfifo res' res "res is a FIFO"
  folder_case "a read-only leftover of the user's" \
    'mkdir -p res/Sounds && echo old >res/Sounds/CARD_FLIP.WAV && chmod 444 res/Sounds/CARD_FLIP.WAV' "" ""
  local mask folder
  for mask in 0222 0277 0777; do
    folder=$(game_copy "umask-$mask")
    (umask "$mask" && play_through "$folder" && echo "$status" >"$folder.status")
    status=$(cat "$folder.status" 2>/dev/null || echo stuck)
    local strict
    strict=$(find "${TMPDIR:-/tmp}" -maxdepth 1 -name 'verlano-*' -newer "$work" 2>/dev/null | head -n1)
    if [ "$status" != 0 ]; then
      bad "umask $mask: status $status: $(tail -n2 "$folder.err" | tr '\n' ' ')"
    elif ! only_game_left "$folder"; then
      bad "umask $mask: the program folder holds $(ls -A "$folder" | tr '\n' ' ')"
    elif [ -n "$strict" ]; then
      bad "umask $mask: $strict was left behind"
    else
      ok "umask $mask: played and left nothing"
    fi
  done
  stop_x
}
