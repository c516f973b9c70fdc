# The command-line tools against careless users and hostile input, sourced by
# scripts/hostile.sh. `hostile_tools BIN` runs every case against the programs
# in BIN (a Release build's bin folder: verlano, verlano-pak, verlano-sim,
# verlano-mkres and res077.pak), prints `ok: <what>` or `FAIL: <what>: <why>`
# per case and returns non-zero if any failed. Each case also checks that a
# marker file beside its inputs kept every byte and that no temporary archive
# was left. Everything happens in a private temporary folder, removed at the end.

# Runs "$@" with standard input from $_ht_stdin (default /dev/null), standard
# output into $_ht_stdout (default $_ht_dir/out), standard error into
# $_ht_dir/err; its status in $_ht_status. Ten seconds at most: a tool that
# blocks on a device fails its case.
_ht_run() {
  _ht_status=0
  timeout 10 "$@" <"${_ht_stdin:-/dev/null}" >"${_ht_stdout:-$_ht_dir/out}" 2>"$_ht_dir/err" ||
    _ht_status=$?
}

# The verdict of one case: WHAT and the reason it failed (empty when it did not).
_ht_verdict() {
  local why=$2
  if [ -z "$why" ] && ! cmp -s "$_ht_dir/marker" "$_ht_keep/marker"; then why="the marker file changed"; fi
  if [ -z "$why" ] && compgen -G "$_ht_dir/*.tmp*" >/dev/null; then why="a temporary file was left"; fi
  if [ -z "$why" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: $why"
    _ht_failed=$((_ht_failed + 1))
  fi
}

# Why the last run is not status $1 with $2 in its standard error (empty if it is).
_ht_refused() {
  if [ "$_ht_status" != "$1" ]; then
    echo "status $_ht_status, not $1 ($(head -c 200 "$_ht_dir/err"))"
  elif [ -n "$2" ] && ! grep -qF -- "$2" "$_ht_dir/err"; then
    echo "standard error lacks \"$2\": $(head -c 200 "$_ht_dir/err")"
  fi
}

# A refused `create`: status 1, the message, and the archive already there intact.
_ht_create_refused() {
  local what=$1 message=$2
  shift 2
  cp "$_ht_keep/old.pak" "$_ht_dir/old.pak"
  _ht_run "$_ht_bin/verlano-pak" create "$_ht_dir/old.pak" "$@"
  local why
  why=$(_ht_refused 1 "$message")
  if [ -z "$why" ] && ! cmp -s "$_ht_dir/old.pak" "$_ht_keep/old.pak"; then
    why="the archive already there was changed"
  fi
  _ht_verdict "verlano-pak create refuses $what" "$why"
}

# `list` and `extract` of a damaged archive: both status 1 with the same words.
_ht_damaged() {
  local what=$1 archive=$2 why
  _ht_run "$_ht_bin/verlano-pak" list "$archive"
  why=$(_ht_refused 1 "verlano-pak: ")
  cp "$_ht_dir/err" "$_ht_dir/list.err"
  rm -rf "$_ht_dir/unpacked"
  _ht_run "$_ht_bin/verlano-pak" extract "$archive" "$_ht_dir/unpacked"
  if [ -z "$why" ] && [ "$_ht_status" != 1 ]; then why="extract gave status $_ht_status"; fi
  if [ -z "$why" ] && ! cmp -s "$_ht_dir/list.err" "$_ht_dir/err"; then
    why="list said \"$(head -c 200 "$_ht_dir/list.err")\", extract \"$(head -c 200 "$_ht_dir/err")\""
  fi
  _ht_verdict "verlano-pak list of $what fails as extract does" "$why"
}

# The program's output to /dev/full: status 1 and one line saying so.
_ht_full() {
  local program=$1
  shift
  _ht_stdout=/dev/full _ht_run "$_ht_bin/$program" "$@"
  _ht_verdict "$program $* to a full standard output" \
    "$(_ht_refused 1 "$program: cannot write to standard output: No space left on device")"
}

hostile_tools() {
  local bin=$1 why
  _ht_bin=$bin _ht_failed=0
  local top
  top=$(mktemp -d) || return 1
  _ht_dir=$top/work _ht_keep=$top/keep
  mkdir -p "$_ht_dir/folder" "$_ht_keep"
  head -c 4096 /dev/urandom >"$_ht_keep/marker"
  cp "$_ht_keep/marker" "$_ht_dir/marker"
  printf 'x' >"$_ht_dir/f"
  printf 'old archive' >"$_ht_keep/old.pak"

  _ht_create_refused "a folder" "is a folder, not a file" "$_ht_dir/folder"
  _ht_create_refused "/dev/zero" "/dev/zero is not a regular file" /dev/zero
  _ht_create_refused "a missing file" "No such file or directory" "$_ht_dir/absent"
  _ht_create_refused "the name ../evil" "not a plain file name" "../evil=$_ht_dir/f"
  _ht_create_refused "an absolute name" "not a plain file name" "/tmp/evil=$_ht_dir/f"
  _ht_create_refused "a name that climbs through a folder" "not a plain file name" \
    "sub/../../evil=$_ht_dir/f"
  _ht_create_refused "a 57-byte name" "1 to 56" "$(printf 'n%.0s' {1..57})=$_ht_dir/f"
  _ht_create_refused "a name given twice" "given twice" "$_ht_dir/f" "f=$_ht_dir/marker"
  _ht_run "$bin/verlano-pak" create "$_ht_dir/folder" "$_ht_dir/f"
  _ht_verdict "verlano-pak create refuses a folder as the archive" \
    "$(_ht_refused 1 "is a folder, not a PAK archive")"

  # An entry whose size runs past the end of the file; a directory of 0xff bytes.
  _ht_run "$bin/verlano-pak" create "$_ht_dir/big.pak" "$_ht_dir/f"
  printf '\377\377\377\177' | dd of="$_ht_dir/big.pak" bs=1 seek=73 conv=notrunc status=none
  _ht_damaged "an entry outside the file" "$_ht_dir/big.pak"
  cp "$_ht_dir/big.pak" "$_ht_dir/noise.pak"
  head -c 64 /dev/zero | tr '\0' '\377' |
    dd of="$_ht_dir/noise.pak" bs=1 seek=13 conv=notrunc status=none
  _ht_damaged "a garbage directory" "$_ht_dir/noise.pak"

  _ht_run "$bin/verlano-pak" create "$_ht_dir/names.pak" "$(printf 'two\nlines')=$_ht_dir/f" \
    "$(printf '\033[31mred')=$_ht_dir/f"
  why=$(_ht_refused 0 "")
  _ht_run "$bin/verlano-pak" list "$_ht_dir/names.pak"
  [ -z "$why" ] && why=$(_ht_refused 0 "")
  if [ -z "$why" ] && [ "$(cat "$_ht_dir/out")" != "$(printf '0\ttwo\\nlines\t12\t1\n1\t\\x1b[31mred\t13\t1')" ]; then
    why="listed as: $(od -c "$_ht_dir/out" | head -3)"
  fi
  _ht_verdict "verlano-pak list escapes control characters in names" "$why"

  _ht_run "$bin/verlano-pak" list "$_ht_dir/folder"
  _ht_verdict "verlano-pak list of a folder" "$(_ht_refused 1 "is a folder, not a PAK archive")"
  _ht_run "$bin/verlano-pak" list /dev/zero
  _ht_verdict "verlano-pak list of /dev/zero" "$(_ht_refused 1 "/dev/zero is not a regular file")"

  local program
  for program in verlano verlano-pak verlano-sim verlano-mkres; do
    _ht_full "$program" --help
    _ht_full "$program" --version
  done
  _ht_full verlano-pak list "$bin/res077.pak"
  _ht_full verlano-sim play --variant nine --matches 1 --seed 1
  printf 'variant=nine hand=7S,KC table=7D,3H,4S\n' >"$_ht_dir/choose"
  printf 'variant=nine we=7D they=AC\n' >"$_ht_dir/score"
  _ht_stdin=$_ht_dir/choose _ht_full verlano-sim choose
  _ht_stdin=$_ht_dir/score _ht_full verlano-sim score

  _ht_run "$bin/verlano-sim" play --variant nine --seed 1
  _ht_verdict "verlano-sim play without --matches" "$(_ht_refused 2 "--matches is required")"
  _ht_run "$bin/verlano-sim" play --variant nine --matches 1
  _ht_verdict "verlano-sim play without --seed" "$(_ht_refused 2 "--seed is required")"

  printf 'variant=nine hand=7S,KC table=7D played=7:4\n' >"$_ht_dir/five-sevens"
  _ht_stdin=$_ht_dir/five-sevens _ht_run "$bin/verlano-sim" choose
  why=""
  if [ "$_ht_status" != 1 ]; then
    why="status $_ht_status, not 1"
  elif ! grep -q '^error: played 7:4 and 1 in hand make 5 cards of value 7' "$_ht_dir/out"; then
    why="answered: $(head -c 200 "$_ht_dir/out")"
  fi
  _ht_verdict "verlano-sim choose refuses five sevens" "$why"

  rm -rf "$top"
  local failed=$_ht_failed
  unset _ht_bin _ht_dir _ht_keep _ht_status _ht_failed
  [ "$failed" -eq 0 ]
}
