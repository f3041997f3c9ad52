#!/bin/bash
# Drives the real vudeditor with real mouse clicks under Xvfb, from the title
# screen to a saved puzzle, and checks the two files it writes; then starts it
# again and checks that it suggests the same name first.
# Usage: window_editor.sh <path to vudeditor>   (run inside xvfb-run, 1024x768)
set -u
binary="$1"
work=$(mktemp -d)
pid=0
editor_windows=""
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

wait_for_window() {
    for _ in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
click() { xdotool mousemove --sync "$1" "$2" click 1; sleep "${3:-0.4}"; }

# Starts the editor and opens the editor window from the title screen.
start_editor() {
    (cd "$work" && exec ./vudeditor >>"$work/log.txt" 2>&1) &
    pid=$!
    title=$(wait_for_window "VUD editor 1.0") || fail "no title screen"
    eval "$(xdotool getwindowgeometry --shell "$title")"
    # The title screen is centred on the 1024 x 768 screen: (15360 - 7785) \ 2 twips.
    [ "$X" -ge 250 ] && [ "$X" -le 254 ] || fail "title screen at x=$X, not centred"
    # Command2, the picture button: Left 5160, Top 2160 twips inside the window.
    click $((X + 344 + 80)) $((Y + 144 + 90)) 1
    xdotool search --onlyvisible --name "VUD editor 1.0" >/dev/null 2>&1 && fail "title screen still open"
    sleep 0.5
    # The windows on show before any dialog opens.
    editor_windows=$(xdotool search --onlyvisible --name '' 2>/dev/null)
}

# Waits for a dialog over the editor window and presses Return in it.
answer_dialog() {
    local dialog=""
    for _ in $(seq 1 50); do
        dialog=$(xdotool search --onlyvisible --name "VUD editor" 2>/dev/null | grep -vxF "$editor_windows" | head -1)
        [ -n "$dialog" ] && break
        sleep 0.1
    done
    [ -n "$dialog" ] || fail "no $1"
    xdotool windowfocus --sync "$dialog" 2>/dev/null
    xdotool key Return
    sleep 1
    xdotool search --onlyvisible --name "VUD editor" 2>/dev/null | grep -qx "$dialog" && fail "$1 still open"
}

# Exits, answering Yes to "¿Quieres salir?".
exit_editor() {
    click 40 312 1
    answer_dialog "exit question"
    for _ in $(seq 1 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "editor still running after Yes"
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] || fail "editor ended with status $status after Yes"
}

start_editor
click 60 20            # next picture: the only one, campo.bmp
click 40 85            # choose a drawing: the chooser opens centred
click 370 195 0.8      # chooser cell 0 (window at 182,151; cell at +168,+24)
# campo.bmp is centred in the work area at (402, 284); place at pixel (50, 60).
click 452 344 2.5      # the drawing plays once and is stamped

click 40 224 1         # save: the name prompt, its suggested name taken as it is
answer_dialog "name prompt"

name=$(cd "$work/imagenes" && ls | grep -v '^campo.bmp$')
[[ "$name" =~ ^[0-9]+dibujo\.bmp$ ]] || fail "saved pictures: $(ls "$work/imagenes")"
name=${name%.bmp}
[ -f "$work/coordenadas/$name.txt" ] || fail "no coordinates file saved"
[ "$(head -c 2 "$work/imagenes/$name.bmp")" = "BM" ] || fail "picture is not a Windows bitmap"
size=$(identify -format '%wx%h' "$work/imagenes/$name.bmp")
[ "$size" = "300x200" ] || fail "picture is $size, not 300x200"
# The stamp is the first frame: its yellow centre at (50 + 20, 60 + 20); its
# white corner is left out, so the sky shows there.
pixel=$(convert "$work/imagenes/$name.bmp" -format '%[pixel:p{70,80}]' info:)
case "$pixel" in *"(250,200,0)"*) ;; *) fail "no stamp in the saved picture: $pixel" ;; esac
pixel=$(convert "$work/imagenes/$name.bmp" -format '%[pixel:p{51,61}]' info:)
case "$pixel" in *"(120,200,255)"*) ;; *) fail "white of the drawing was stamped: $pixel" ;; esac
printf 'abeja.gif,50,60,\r\n' >"$work/expected.txt"
cmp -s "$work/expected.txt" "$work/coordenadas/$name.txt" \
    || fail "coordinates file holds: $(od -c "$work/coordenadas/$name.txt" | head -3)"
exit_editor

# A second start suggests the same name first: saving under it is refused
# with a message, and nothing is written.
before=$(ls -l --time-style=full-iso "$work/imagenes" "$work/coordenadas")
start_editor
click 40 224 1         # save: the same suggestion
answer_dialog "name prompt"
answer_dialog "message that the puzzle exists"
[ "$(ls -l --time-style=full-iso "$work/imagenes" "$work/coordenadas")" = "$before" ] \
    || fail "the second start wrote files"
exit_editor
echo "PASS: title screen -> editor -> chooser -> placed, stamped and saved puzzle ($name); the same name suggested on the next start"
exit 0
