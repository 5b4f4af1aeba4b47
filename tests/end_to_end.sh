#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real program in a virtual display and uses it as a person would: drags the cursor by
# its frame and the slide by its strip, double-clicks to hide and show the panel, moves the cursor
# by keyboard, and checks the screen after each step.
#   tests/end_to_end.sh path/to/tessalin
set -euo pipefail

if [ -z "${TESSALIN_IN_DISPLAY:-}" ]; then
  TESSALIN_IN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi

program=$1
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$program" >"$work/program.log" 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tessalin$' | head -n 1)
origin_x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
origin_y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')

passes=0
failures=0
step() { echo "== $*"; }

# The colour the screen shows at (x, y) of the drawing area, as "r,g,b".
color_at() {
  import -window root -crop "1x1+$((origin_x + $1))+$((origin_y + $2))" +repage \
    -depth 8 txt:- | awk 'NR == 2 { gsub(/[()]/, "", $2); print $2 }'
}

expect_color() {  # x y colour what
  local seen
  seen=$(color_at "$1" "$2")
  if [ "$seen" = "$3" ]; then
    echo "ok   $4: ($1, $2) is $3"
    passes=$((passes + 1))
  else
    echo "FAIL $4: ($1, $2) is $seen, expected $3"
    failures=$((failures + 1))
  fi
}

# Waits until the screen shows the colour, for up to ten seconds.
await_color() {
  for _ in $(seq 100); do
    [ "$(color_at "$1" "$2")" = "$3" ] && break
    sleep 0.1
  done
  expect_color "$@"
}

drag() {  # from_x from_y to_x to_y, in steps, with the left button held
  xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))"
  sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4 5; do
    xdotool mousemove "$((origin_x + $1 + ($3 - $1) * i / 5))" "$((origin_y + $2 + ($4 - $2) * i / 5))"
    sleep 0.1
  done
  xdotool mouseup 1
  sleep 0.3
}

yellow=255,255,64
tick=128,0,0
white=255,255,255
outline=128,128,128
panel=240,240,240

step "the first picture: cursor frame around column 150, slide in line with the stator"
await_color 150 12 "$yellow" "cursor frame's top bar"
expect_color 40 139 "$tick" "upper slide's left end tick"
expect_color 5 600 "$panel" "information panel"

step "drag the cursor by its frame 300 px to the right"
drag 150 12 450 12
await_color 450 12 "$yellow" "cursor frame after the drag"
expect_color 150 12 "$white" "where the frame was"

step "drag the slide by the upper strip 300 px to the right"
drag 700 60 1000 60
await_color 340 139 "$tick" "upper slide's left end tick after the drag"
expect_color 40 139 "$white" "where the slide began"

step "double-click the stator: the panel hides and the picture fills the window"
xdotool mousemove "$((origin_x + 700))" "$((origin_y + 200))" click --repeat 2 --delay 80 1
await_color 30 500 "$outline" "lower stator's top outline at the taller size"
expect_color 5 600 "$white" "the panel's place"

step "double-click again: the panel comes back"
xdotool click --repeat 2 --delay 80 1
await_color 5 600 "$panel" "information panel"
expect_color 30 390 "$outline" "lower stator's top outline at the first size"

step "keyboard: Tab to the scale type, Tab to the picture, Shift+Right three times"
xdotool windowfocus --sync "$window"
sleep 0.5  # the window takes the focus before it takes keys
for key in Tab Tab shift+Right shift+Right shift+Right; do
  xdotool key "$key"
  sleep 0.2
done
await_color 446 12 "$white" "where the cursor's left outline stood before the keys"
expect_color 600 12 "$yellow" "cursor frame 30 px further right"

kill "$pid"
wait "$pid" 2>/dev/null || true
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
