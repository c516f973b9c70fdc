# Sourced by scripts/hostile.sh: the real game played against damaged copies of
# its archive, each under a 1 GB address-space limit: pictures and sounds whose
# headers claim gigabytes, 300 entries overlapping the whole archive, a FIFO or
# a folder in the archive's place. Each run must end in bounded time with the
# status and the message wanted, leave no "res" folder beside the game, and
# peak below 200 MB resident. Needs an X server at DISPLAY, xdotool, python3
# and GNU time (/usr/bin/time).
#
#   hostile_archives BIN_FOLDER   # verlano and res077.pak there; one verdict
#                                 # line per case, non-zero if any failed

# Writes SOURCE with one thing damaged to TARGET.
_hostile_damage() {  # CASE SOURCE TARGET
  python3 - "$@" <<'PYTHON'
import struct, sys
case, source, target = sys.argv[1:]
data = bytearray(open(source, 'rb').read())
directory, length = struct.unpack_from('<ii', data, 4)
entries = {}
for record in range(directory, directory + length, 64):
    name = bytes(data[record:record + 56]).rstrip(b'\0').decode()
    entries[name] = struct.unpack_from('<ii', data, record + 56)

def entry_find(name, what):
    offset, size = entries[name]
    return data.index(what, offset, offset + size)

if case == 'jpeg':  # the frame header's height and width, big-endian
    struct.pack_into('>HH', data, entry_find('Bitmaps_Back_800x600.jpg', b'\xff\xc0') + 5,
                     30000, 30000)
elif case == 'bmp':  # width and height of the info header
    struct.pack_into('<ii', data, entries['Bitmaps_mouse.bmp'][0] + 18, 40000, 40000)
elif case == 'wav':  # the data chunk's length
    struct.pack_into('<I', data, entry_find('Sounds_SIGN1.WAV', b'data') + 4, 0xFFFFFF00)
elif case == 'slow':  # the format chunk's sample rate
    struct.pack_into('<I', data, entry_find('Sounds_SIGN1.WAV', b'fmt ') + 12, 1)
elif case == 'overlap':  # 300 more entries, each the whole of the data
    extra = b''.join(struct.pack('<56sii', b'Sounds_copy%03d.WAV' % i, 12, directory - 12)
                     for i in range(300))
    table = bytes(data[directory:directory + length]) + extra
    data = data[:directory] + table
    struct.pack_into('<ii', data, 4, directory, len(table))
open(target, 'wb').write(data)
PYTHON
}

# The visible windows titled Verlano but for EXCEPT, newest last.
_hostile_windows() {  # EXCEPT
  { xdotool search --onlyvisible --name '^Verlano$' 2>/dev/null || true; } | grep -vx "${1:-none}" || true
}

# Polls CONDITION every 0.2 s, at most COUNT times, and runs NUDGE every 5 s
# meanwhile (a key pressed again, should the first have come too early).
_hostile_poll() {  # COUNT CONDITION NUDGE
  local i
  for i in $(seq "$1"); do
    eval "$2" && return 0
    [ $((i % 25)) != 0 ] || eval "$3" || true
    sleep 0.2
  done
  eval "$2"
}

# Ends the case: its verdict line, the game stopped if it still runs. Reads
# the caller's pid, folder and what.
_hostile_verdict() {  # WHY (empty: ok)
  local game
  game=$(pgrep -P "$pid" || true)
  # Killed outright: a game showing its message box does not stop on SIGTERM.
  [ -z "$game" ] || kill -KILL "$game" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -z "$1" ]; then
    echo "ok: $what"
    return 0
  fi
  echo "FAIL: $what: $1"
  sed 's/^/    /' "$folder/out"
  return 1
}

# Plays the game in FOLDER: Play in its dialog, then once the first TEXT is on
# standard error, Return in the message box (Escape at the table when the run
# should end with 0). Prints the verdict; false when the run was not as wanted.
_hostile_play() {  # FOLDER WANT_STATUS WHAT TEXT...
  local folder=$1 want=$2 what=$3 awaited=$4 pid dialog= window= status=0 peak= key=Return text
  shift 3
  [ "$want" = 0 ] && key=Escape
  (
    ulimit -v 1000000
    exec env SDL_AUDIODRIVER=dummy /usr/bin/time -f %M -o "$folder/peak" "$folder/verlano"
  ) >"$folder/out" 2>&1 </dev/null &
  pid=$!
  local running='kill -0 "$pid" 2>/dev/null'
  _hostile_poll 150 'dialog=$(_hostile_windows | head -n1); [ -n "$dialog" ] || ! '"$running" || true
  [ -n "$dialog" ] || { _hostile_verdict "no dialog showed"; return 1; }
  xdotool windowfocus "$dialog" key Return 2>/dev/null || true
  # Play again only while nothing has happened yet.
  _hostile_poll 300 'grep -qF -- "$awaited" "$folder/out" || ! '"$running" \
    '[ ! -s "$folder/out" ] && [ "$(_hostile_windows)" = "$dialog" ] &&
       xdotool windowfocus "$dialog" key Return 2>/dev/null' || true
  grep -qF -- "$awaited" "$folder/out" ||
    { _hostile_verdict "no \"$awaited\" on standard error"; return 1; }
  # The message box, or the table: the newest window but the dialog, found
  # afresh for each press, as a window on its way out may be seen first.
  local press='window=$(_hostile_windows "$dialog" | tail -n1)
    [ -z "$window" ] || xdotool windowfocus "$window" key "$key" 2>/dev/null'
  _hostile_poll 150 'window=$(_hostile_windows "$dialog" | tail -n1); [ -n "$window" ] || ! '"$running" || true
  [ -n "$window" ] || { _hostile_verdict "no message box nor table showed"; return 1; }
  eval "$press" || true
  _hostile_poll 150 '! '"$running" "$press" ||
    { _hostile_verdict "still running 30 s after $key"; return 1; }
  wait "$pid" || status=$?
  peak=$(tail -n1 "$folder/peak" 2>/dev/null || true)
  for text in "$@"; do
    grep -qF -- "$text" "$folder/out" || { _hostile_verdict "no \"$text\" on standard error"; return 1; }
  done
  [ "$status" = "$want" ] || { _hostile_verdict "status $status, not $want"; return 1; }
  [ ! -e "$folder/res" ] || { _hostile_verdict "a res folder was left beside the game"; return 1; }
  [ "$peak" -lt 200000 ] 2>/dev/null || { _hostile_verdict "peak memory ${peak:-unknown} KB, not below 200000"; return 1; }
  what="$what (status $status, peak $peak KB)"
  _hostile_verdict ""
}

hostile_archives() {  # BIN_FOLDER
  local bin=$1 work failed=0 damage
  work=$(mktemp -d)
  for damage in jpeg bmp wav slow overlap fifo folder; do
    mkdir "$work/$damage"
    cp "$bin/verlano" "$work/$damage/"
  done
  for damage in jpeg bmp wav slow overlap; do
    _hostile_damage "$damage" "$bin/res077.pak" "$work/$damage/res077.pak"
  done
  mkfifo "$work/fifo/res077.pak"
  mkdir "$work/folder/res077.pak"
  local limit="; the game's pictures are at most 2048x2048"
  _hostile_play "$work/jpeg" 1 "a table JPEG claiming 30000x30000 pixels" \
    "Back_800x600.jpg: it claims 30000x30000 pixels$limit" \
    "Cannot read the picture $work/jpeg/res/Bitmaps/Back_800x600.bmp" || failed=1
  _hostile_play "$work/bmp" 1 "a cursor BMP claiming 40000x40000 pixels" \
    "mouse.bmp: it claims 40000x40000 pixels$limit" \
    'The file is the archive entry "Bitmaps_mouse.bmp"' || failed=1
  _hostile_play "$work/wav" 0 "a WAV whose data chunk claims 4 GB" \
    "claims 4294967040 bytes, but only" "the game plays on without this sound" || failed=1
  _hostile_play "$work/slow" 0 "a WAV claiming one sample a second" \
    "it claims 1 samples a second" "the game plays on without this sound" || failed=1
  _hostile_play "$work/overlap" 1 "300 entries overlapping the whole archive" \
    "res077.pak is damaged: its entries add up to" || failed=1
  _hostile_play "$work/fifo" 1 "a FIFO in place of res077.pak" \
    "res077.pak is not a regular file (a FIFO)" || failed=1
  _hostile_play "$work/folder" 1 "a folder in place of res077.pak" \
    "res077.pak is a folder, not a PAK archive" || failed=1
  rm -rf "$work"
  return "$failed"
}
