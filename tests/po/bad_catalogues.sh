#!/usr/bin/env bash
# The built game with a bad Italian catalogue beside it, under an Italian
# desktop. One whose translations would make printf read arguments it was
# not given (a `%s` more, a `%n`), compiled by msgfmt without --check: those
# texts are English, the others Italian, and nothing crashes. One with a
# damaged header or table: English throughout, and one line on standard
# error saying why. Each case prints "ok: ..." or "FAIL: ..." (scripts/hostile.sh
# counts them).
#   bad_catalogues.sh GAME CATALOGUE MSGFMT
# GAME is the built game, CATALOGUE the Italian catalogue compiled beside it.
set -euo pipefail
game=$1
catalogue=$2
msgfmt=$3

scratch=$(realpath "$(mktemp -d)")
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

# A copy of the game, which looks for its catalogue beside itself.
mkdir -p "$scratch/locale/it/LC_MESSAGES"
cp "$game" "$scratch/verlano"
mo=$scratch/locale/it/LC_MESSAGES/verlano.mo

# Runs the copy without a display; its status in $status, its output in out and err.
run() {  # ARGS...
  status=0
  env -u LC_ALL -u LC_MESSAGES -u DISPLAY -u WAYLAND_DISPLAY LANGUAGE=it LANG=it_IT.UTF-8 \
    "$scratch/verlano" "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
}
says() {  # FILE TEXT
  grep -qF -- "$2" "$scratch/$1"
}

cat >"$scratch/bad.po" <<'EOF'
msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"

msgid "Usage: %s"
msgstr "Uso: %s %s %s"

msgid "unknown argument '%s'"
msgstr "argomento %n sconosciuto '%s'"

msgid "Try '%s --help' for more information."
msgstr "Prova '%s --help' per maggiori informazioni."

msgid ""
"  --help     show this help and exit\n"
"  --version  show the version and exit\n"
msgstr ""
"  --help     mostra questo aiuto ed esce\n"
"  --version  mostra la versione ed esce\n"
EOF
"$msgfmt" --output-file="$mo" "$scratch/bad.po"

run --help
[ "$status" = 0 ] || fail "--help with bad translations ended with $status: $(cat "$scratch/err")"
[ "$(head -n 1 "$scratch/out")" = "Usage: verlano" ] || fail "--help's usage is not the English: $(cat "$scratch/out")"
says out "mostra questo aiuto" || fail "--help's sound translation is not used: $(cat "$scratch/out")"
[ ! -s "$scratch/err" ] || fail "--help said: $(cat "$scratch/err")"
run --bogus
[ "$status" = 2 ] || fail "an unknown argument with bad translations ended with $status"
says err "verlano: unknown argument '--bogus'" || fail "not the English refusal: $(cat "$scratch/err")"
says err "Prova 'verlano --help'" || fail "the refusal's sound translation is not used: $(cat "$scratch/err")"
echo "ok: translations reading other arguments give the English, the rest Italian"

# WORD written at byte AT of the catalogue, in the machine's (little-endian) order.
put_word() {  # AT WORD
  local bytes
  bytes=$(printf '\\x%02x' $(($2 & 255)) $(($2 >> 8 & 255)) $(($2 >> 16 & 255)) $(($2 >> 24 & 255)))
  printf '%b' "$bytes" | dd of="$mo" bs=1 seek="$1" conv=notrunc status=none
}

# One word of the real catalogue spoilt at a time: the hash table's size, the
# originals' offset, the text count.
for damage in "20 4" "12 4294967040" "8 1000000"; do
  cp "$catalogue" "$mo"
  read -r at word <<<"$damage"
  put_word "$at" "$word"
  run --help
  [ "$status" = 0 ] || fail "--help with word $at damaged ended with $status"
  [ "$(head -n 1 "$scratch/out")" = "Usage: verlano" ] || fail "word $at damaged: not English: $(cat "$scratch/out")"
  [ "$(wc -l <"$scratch/err")" = 1 ] || fail "word $at damaged: not one line: $(cat "$scratch/err")"
  grep -qE "^verlano: the Italian catalogue $mo is damaged \(.+\); the game speaks English$" \
    "$scratch/err" || fail "word $at damaged: $(cat "$scratch/err")"
  echo "ok: word $at damaged: $(cat "$scratch/err")"
done
run
[ "$status" = 1 ] || fail "the damaged catalogue's game without a display ended with $status"
if ! says err "the game speaks English" || ! says err "verlano: cannot open the display"; then
  fail "no English message without a display: $(cat "$scratch/err")"
fi
echo "ok: the game with a damaged catalogue speaks English"
