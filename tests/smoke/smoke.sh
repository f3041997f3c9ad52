#!/usr/bin/env bash
# Starts a program in a real X session, waits for its first window and checks
# that the window has the expected size and that the screen is not blank.
#   smoke.sh <program> <window title> <width> <height> [<screen WxH>]
# Run under xvfb-run. A width or height of 0 means "the whole screen".
set -euo pipefail

program=$1
title=$2
want_w=$3
want_h=$4
shot=$(mktemp --suffix=.png)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$shot"' EXIT

screen_w=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1]}')
screen_h=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[2]}')
[ "$want_w" = 0 ] && want_w=$screen_w
[ "$want_h" = 0 ] && want_h=$screen_h

"$program" &
pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: $program exited before showing a window"; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window titled '$title' appeared"; exit 1; }

# Let the first paint land.
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window '$title': ${WIDTH}x${HEIGHT} at ${X},${Y} on a ${screen_w}x${screen_h} screen"
if [ "$WIDTH" != "$want_w" ] || [ "$HEIGHT" != "$want_h" ]; then
    echo "FAIL: expected ${want_w}x${want_h}"
    exit 1
fi

import -window root "$shot"
spread=$(convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -colorspace Gray -format '%[fx:standard_deviation]' info:)
echo "grey spread inside the window: $spread"
if awk -v s="$spread" 'BEGIN { exit !(s < 0.02) }'; then
    echo "FAIL: the window looks blank"
    exit 1
fi
kill -0 "$pid" 2>/dev/null || { echo "FAIL: $program died"; exit 1; }
echo "PASS"
