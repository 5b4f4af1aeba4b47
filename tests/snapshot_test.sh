#!/usr/bin/env bash
# tessalin-snapshot writes the picture and prints the table and the task line in UTF-8; it refuses
# arguments it does not understand.
#   tests/snapshot_test.sh path/to/tessalin-snapshot
set -euo pipefail
snapshot=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

expect_output() {  # what expected-text arguments...
  local what=$1 expected=$2
  shift 2
  local seen
  seen=$(QT_QPA_PLATFORM=offscreen "$snapshot" "$@" 2>/dev/null)
  if [ "$seen" = "$expected" ]; then
    passes=$((passes + 1))
  else
    echo "FAIL $what"; diff <(echo "$expected") <(echo "$seen") || true
    failures=$((failures + 1))
  fi
}

tab=$'\t'
expect_output "the first picture, logarithmic" "${tab}obere Skale${tab}untere Skale
obere Einheit${tab}1${tab}1
untere Einheit${tab}10${tab}1
Läufer${tab}1,43${tab}1,43
1 · 1,43 = 1,43" --size 1164x539 --slide 0 --cursor 150 --mode log --out "$work/log.png"

expect_output "one and a half scale lengths right, linear" "${tab}obere Skale${tab}untere Skale
obere Null${tab}0${tab}15
untere Null${tab}-5${tab}0
Läufer${tab}-3,43${tab}1,57
15+-3,43 = 11,57" --size 1164x539 --slide 1626 --cursor 150 --mode linear --out "$work/linear.png"

expect_output "a drawing area 80 px wide has no scale length" "${tab}obere Skale${tab}untere Skale
obere Einheit${tab}1${tab}keine Zahl
untere Einheit${tab}keine Zahl${tab}1
Läufer${tab}keine Zahl${tab}keine Zahl
keine Zahl · keine Zahl = keine Zahl" --size 80x539 --out "$work/narrow.png"

if [ "$(identify -format '%wx%h' "$work/log.png")" = "1164x539" ]; then
  passes=$((passes + 1))
else
  echo "FAIL the picture has the drawing area's size"; failures=$((failures + 1))
fi

for arguments in "--mode sideways" "--size 12" "--size -1x5" "--slide 99999999999" "--out"; do
  # shellcheck disable=SC2086
  if QT_QPA_PLATFORM=offscreen "$snapshot" $arguments >/dev/null 2>&1; then
    echo "FAIL accepted: $arguments"; failures=$((failures + 1))
  else
    passes=$((passes + 1))
  fi
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
