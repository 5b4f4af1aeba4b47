#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
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

# A file that cannot be written ends the tool with status 1 and leaves nothing behind: the device
# that is always full, and a plain file cut short by a file size limit of one block.
status=0
QT_QPA_PLATFORM=offscreen "$snapshot" --out /dev/full >/dev/null 2>"$work/full.err" || status=$?
if [ "$status" -eq 1 ] && grep -q "cannot write" "$work/full.err"; then
  passes=$((passes + 1))
else
  echo "FAIL writing to /dev/full: status $status"; cat "$work/full.err"; failures=$((failures + 1))
fi
status=0
(ulimit -f 1; trap '' XFSZ; QT_QPA_PLATFORM=offscreen exec "$snapshot" --out "$work/cut.png") \
  >/dev/null 2>&1 || status=$?
if [ "$status" -eq 1 ] && [ ! -e "$work/cut.png" ]; then
  passes=$((passes + 1))
else
  echo "FAIL a file cut short: status $status, file left: $(ls "$work/cut.png" 2>/dev/null)"
  failures=$((failures + 1))
fi

for arguments in "--mode sideways" "--size 12" "--size -1x5" "--slide 99999999999" "--out" \
  "--out=" "stray"; do
  status=0
  # shellcheck disable=SC2086
  QT_QPA_PLATFORM=offscreen "$snapshot" $arguments >/dev/null 2>&1 || status=$?
  if [ "$status" -eq 2 ]; then
    passes=$((passes + 1))
  else
    echo "FAIL $arguments: status $status, expected 2"; failures=$((failures + 1))
  fi
done

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
