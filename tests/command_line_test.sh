#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Both programs answer --help and --version on standard output without a display, refuse an
# unknown option by name with status 2, and leave Qt's own options to Qt.
#   tests/command_line_test.sh path/to/tessalin path/to/tessalin-snapshot version
set -uo pipefail
tessalin=$1
snapshot=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0
failures=0

check() {  # what command...: runs the command, keeping its status and both outputs
  local what=$1
  shift
  "$@" >"$work/out" 2>"$work/err"
  status=$?
  current=$what
}
expect() {  # condition description
  if eval "$1"; then
    passes=$((passes + 1))
  else
    echo "FAIL $current: $2 (status $status)"
    sed 's/^/  stdout: /' "$work/out"
    sed 's/^/  stderr: /' "$work/err"
    failures=$((failures + 1))
  fi
}

no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
for program in "$tessalin" "$snapshot"; do
  name=$(basename "$program")
  for option in --help -h; do
    check "$name $option" "${no_display[@]}" "$program" "$option"
    expect '[ $status -eq 0 ]' "exits 0"
    expect 'grep -q "^Usage: " "$work/out" && grep -q -- "--version" "$work/out"' \
      "prints the usage to standard output"
  done
  for option in --version -v; do
    check "$name $option" "${no_display[@]}" "$program" "$option"
    expect '[ $status -eq 0 ]' "exits 0"
    expect '[ "$(cat "$work/out")" = "$name $version" ]' "prints '$name $version'"
  done
  check "$name --frobnicate" env QT_QPA_PLATFORM=offscreen "$program" --frobnicate
  expect '[ $status -eq 2 ]' "exits 2"
  expect 'grep -q "frobnicate" "$work/err"' "names the option on standard error"
  expect '[ ! -s "$work/out" ]' "prints nothing to standard output"
done

check "tessalin with Qt's options and a stray argument" \
  "$tessalin" -platform offscreen -style Fusion -reverse stray
expect '[ $status -eq 2 ]' "exits 2"
expect 'grep -q "stray" "$work/err" && ! grep -qE "platform|style|reverse" "$work/err"' \
  "names only the stray argument"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
