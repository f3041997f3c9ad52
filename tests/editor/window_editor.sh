#!/bin/bash
# Drives the real vudeditor with real mouse clicks under Xvfb, from the title
# screen to a saved puzzle, and checks the two files it writes.
# Usage: window_editor.sh <path to vudeditor>   (run inside xvfb-run, 1024x768)
set -u
binary="$1"
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; import -window root "$work/../vudeditor-window-failure.png" 2>/dev/null; exit 1; }

mkdir -p "$work/imagenes" "$work/gifs/animales" "$work/coordenadas" "$work/sonidos"
cp "$binary" "$work/vudeditor"
convert -size 300x200 xc:'rgb(120,200,255)' -fill 'rgb(90,180,70)' -draw 'rectangle 0,120 299,199' \
    "$work/imagenes/campo.bmp"
convert -size 40x40 xc:white -fill 'rgb(250,200,0)' -draw 'circle 20,20 20,4' \
    \( -clone 0 -fill 'rgb(200,0,0)' -draw 'circle 20,20 20,10' \) -set delay 10 -loop 1 \
    "$work/gifs/abeja.gif"
cp "$work/gifs/abeja.gif" "$work/gifs/animales/abeja.gif"

cd "$work" && ./vudeditor >"$work/log.txt" 2>&1 &
pid=$!

wait_for_window() {
    for _ in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep "${3:-0.4}"; }

title=$(wait_for_window "VUD editor 1.0") || fail "no title screen"
eval "$(xdotool getwindowgeometry --shell "$title")"
# The title screen is centred on the 1024 x 768 screen: (15360 - 7785) \ 2 twips.
[ "$X" -ge 250 ] && [ "$X" -le 254 ] || fail "title screen at x=$X, not centred"
# Command2, the picture button: Left 5160, Top 2160 twips inside the window.
click $((X + 344 + 80)) $((Y + 144 + 90)) 1
xdotool search --onlyvisible --name "VUD editor 1.0" >/dev/null 2>&1 && fail "title screen still open"

click 60 20            # next picture: the only one, campo.bmp
click 40 85            # choose a drawing: the chooser opens centred
click 370 195 0.8      # chooser cell 0 (window at 182,151; cell at +168,+24)
# campo.bmp is centred in the work area at (402, 284); place at pixel (50, 60).
click 452 344 2.5      # the drawing plays once and is stamped

click 40 224 1         # save: the name prompt
dialog=$(wait_for_window "VUD editor") || fail "no name prompt"
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 "prueba"
xdotool key Return
sleep 1

[ -f "$work/imagenes/prueba.bmp" ] || fail "no picture saved"
[ -f "$work/coordenadas/prueba.txt" ] || fail "no coordinates file saved"
[ "$(head -c 2 "$work/imagenes/prueba.bmp")" = "BM" ] || fail "picture is not a Windows bitmap"
size=$(identify -format '%wx%h' "$work/imagenes/prueba.bmp")
[ "$size" = "300x200" ] || fail "picture is $size, not 300x200"
# The stamp is the first frame: its yellow centre at (50 + 20, 60 + 20); its
# white corner is left out, so the sky shows there.
pixel=$(convert "$work/imagenes/prueba.bmp" -format '%[pixel:p{70,80}]' info:)
case "$pixel" in *"(250,200,0)"*) ;; *) fail "no stamp in the saved picture: $pixel" ;; esac
pixel=$(convert "$work/imagenes/prueba.bmp" -format '%[pixel:p{51,61}]' info:)
case "$pixel" in *"(120,200,255)"*) ;; *) fail "white of the drawing was stamped: $pixel" ;; esac
expected=$(printf 'abeja.gif,50,60,\r\n')
[ "$(cat "$work/coordenadas/prueba.txt")" = "$expected" ] \
    || fail "coordinates file holds: $(od -c "$work/coordenadas/prueba.txt" | head -3)"

click 40 312 1         # exit: "¿Quieres salir?"
question=$(wait_for_window "VUD editor") || fail "no exit question"
xdotool windowfocus --sync "$question" 2>/dev/null
xdotool key Return
for _ in $(seq 1 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "editor still running after Yes"
echo "PASS: title screen -> editor -> chooser -> placed, stamped and saved puzzle"
exit 0
