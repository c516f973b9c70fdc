#!/usr/bin/env bash
# Every text the code marks for translation is in each catalogue, translated
# and not fuzzy; prints msgfmt's statistics of each.
#   check_catalogues.sh TEMPLATE CATALOGUE...
set -uo pipefail
template=$1
shift
status=0
for po in "$@"; do
  stats=$(LC_ALL=C msgfmt --check --statistics --output-file=/dev/null "$po" 2>&1) || status=1
  echo "${po##*/}: $stats"
  case $stats in *fuzzy* | *untranslated*) status=1 ;; esac
  # Names every text of the code that the catalogue lacks or leaves untranslated.
  LC_ALL=C msgcmp "$po" "$template" || status=1
done
exit $status
