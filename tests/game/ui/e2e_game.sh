#!/usr/bin/env bash
# A whole game played on the real vud2 in a real X session, with real mouse
# clicks and key presses only (xdotool): type a name, press "CONTINUAR",
# choose "6" and the test picture, read the shuffled board from the screen,
# solve it, then check the reveal and the results list.
#   e2e_game.sh <vud2 binary> [<folder with sample gifs>]
# Run under xvfb-run -s "-screen 0 1024x768x24" (no window manager needed).
set -euo pipefail

program=$1
sample_gifs=${2:-}
work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/shot.png" ] && cp "$work/shot.png" /tmp/e2e_game_failure.png; exit 1; }

screen_w=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1]}')
screen_h=$(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[2]}')
tpp=15 # twips per pixel at 96 dpi

# The program folder: the binary with its data folders beside it.
colours=("#e02020" "#20c020" "#2040e0" "#f0e020" "#e020e0" "#20e0e0")
mkdir -p "$work/imagenes" "$work/gifs" "$work/coordenadas" "$work/sonidos"
cp "$program" "$work/vud2"
# The board cuts the picture at one picture pixel per screen pixel into 3 x 2
# cells laid out across the screen.
width_twips=$((screen_w * tpp)); height_twips=$((screen_h * tpp))
cell=$(( (width_twips / 10 * 9) / 3 ))
top=$(( (height_twips - 2 * cell) / 2 ))
left=$(( 325 + (width_twips - 3 * cell) / 2 ))
cx() { echo $(( (left + ($1 % 3) * cell + cell / 2) / tpp )); }
cy() { echo $(( (top + ($1 / 3) * cell + cell / 2) / tpp )); }

# The test picture: six flat colours, one block per cell of the board.
cell_px=$(( cell / tpp ))
pw=$(( 3 * cell_px )); ph=$(( 2 * cell_px ))
draw=()
for k in 0 1 2 3 4 5; do
    x0=$(( (k % 3) * cell_px )); y0=$(( (k / 3) * cell_px ))
    draw+=(-fill "${colours[$k]}" -draw "rectangle $x0,$y0 $((x0 + cell_px - 1)),$((y0 + cell_px - 1))")
done
convert -size ${pw}x${ph} xc:black "${draw[@]}" "$work/imagenes/prueba.png"
if [ -n "$sample_gifs" ] && [ -f "$sample_gifs/x_elmani.gif" ]; then
    cp "$sample_gifs"/*.gif "$work/gifs/"
else
    convert -size 60x60 xc:white -fill black -draw "circle 30,30 30,5" -delay 20 \
        \( -size 60x60 xc:black -fill white -draw "circle 30,30 30,5" \) -loop 0 "$work/gifs/x_elmani.gif"
    cp "$work/gifs/x_elmani.gif" "$work/gifs/inicio.gif"
fi

shot() { import -window root "$work/shot.png"; }
# Colour of pixel (x, y) of the last screenshot as "r g b".
pixel() {
    convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:
}
# Index of the test colour nearest to "r g b", or -1 when none is near.
colour_index() {
    local r g b best=-1 bestd=999999 i cr cg cb d
    read -r r g b <<<"$1"
    for i in "${!colours[@]}"; do
        cr=$((16#${colours[$i]:1:2})); cg=$((16#${colours[$i]:3:2})); cb=$((16#${colours[$i]:5:2}))
        d=$(( (r-cr)*(r-cr) + (g-cg)*(g-cg) + (b-cb)*(b-cb) ))
        if [ "$d" -lt "$bestd" ]; then bestd=$d; best=$i; fi
    done
    [ "$bestd" -lt 3000 ] && echo "$best" || echo -1
}
# Waits for a visible window with exactly this title, other than $2.
wait_window() {
    local w
    for _ in $(seq 1 100); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -n 1 || true)
        [ -n "$w" ] && { echo "$w"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
click_at() { xdotool mousemove --sync "$1" "$2" click 1; }
# click_twips wx wy left top width height: clicks the middle of a control
# given in twips of the window whose client area starts at pixel (wx, wy).
click_twips() { click_at $(( $1 + ($3 + $5 / 2) / tpp )) $(( $2 + ($4 + $6 / 2) / tpp )); }

cd "$work"
./vud2 &
pid=$!

# The start screen.
form1=$(wait_window "VUD 2.0") || fail "the start screen did not appear"
eval "$(xdotool getwindowgeometry --shell "$form1")"
click_twips "$X" "$Y" 2400 6000 5055 615          # the name box
xdotool type --delay 30 "Ana"
click_twips "$X" "$Y" 600 6720 6855 735           # "CONTINUAR"

# The results list and the selection screen.
wait_window "Ana  TUS RESULTADOS SON" >/dev/null || fail "the results list is not headed with the name"
form2=$(wait_window "VUD 2.0" "$form1") || fail "the selection screen did not appear"
eval "$(xdotool getwindowgeometry --shell "$form2")"
click_twips "$X" "$Y" 240 360 1215 1215           # "6"
# The picture fits into 2000 twips wide at the top-left of gallery cell 0.
click_twips "$X" "$Y" 2880 360 2000 1200      # the test picture

declare -a board
read_board() {
    shot
    local k
    for k in 0 1 2 3 4 5; do
        board[$k]=$(colour_index "$(pixel "$(cx $k)" "$(cy $k)")")
    done
}
solved() { [ "${board[*]}" = "0 1 2 3 4 5" ]; }
whole() { local k; for k in 0 1 2 3 4 5; do [ "${board[$k]}" -ge 0 ] || return 1; done; }

# First the whole picture appears, then one second later the shuffle.
for _ in $(seq 1 50); do read_board; whole && solved && break; sleep 0.1; done
solved || fail "the board did not show the solved picture first: ${board[*]}"
for _ in $(seq 1 50); do read_board; whole && ! solved && break; sleep 0.1; done
whole || fail "the board shows unknown colours: ${board[*]}"
echo "shuffled board: ${board[*]}"

moves=0
if solved; then
    # A shuffle that happened to come out solved: lift piece 0 and put it back.
    click_at "$(cx 0)" "$(cy 0)"; click_at "$(cx 0)" "$(cy 0)"; moves=1
fi
for c in 0 1 2 3 4 5; do
    [ "${board[$c]}" = "$c" ] && continue
    for d in 0 1 2 3 4 5; do [ "${board[$d]}" = "$c" ] && break; done
    click_at "$(cx "$d")" "$(cy "$d")"              # lift the piece that belongs in c
    sleep 0.1
    click_at "$(cx "$c")" "$(cy "$c")"              # drop it there: the two swap
    sleep 0.1
    board[$d]=${board[$c]}; board[$c]=$c
    moves=$((moves + 1))
done
echo "solved with $moves moves"

# The reveal: half a second later the whole picture with the default drawing
# on it, 600 x 800 twips into the picture.
gx=$(( (left + 600) / tpp )); gy=$(( (top + 800) / tpp ))
revealed=""
for _ in $(seq 1 40); do
    shot
    read_board
    if solved; then
        region=$(convert "$work/shot.png" -crop 60x60+$gx+$gy -colorspace Gray -format '%[fx:standard_deviation]' info:)
        if awk -v s="$region" 'BEGIN { exit !(s > 0.02) }'; then revealed=yes; break; fi
    fi
    sleep 0.1
done
[ -n "$revealed" ] || fail "the reveal did not show the drawing on the finished picture"
echo "the reveal shows"

# The results list, opened from the board's seconds button, holds one line.
click_twips 0 0 0 3960 735 735
results=$(wait_window "Ana  TUS RESULTADOS SON") || fail "the results list did not open"
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$results")"
shot
# List1 starts 120 twips into the window; its text is light on dark teal.
# Line 1 holds text; line 2 is still empty.
lx=$(( X + 120 / tpp + 2 )); ly=$(( Y + 120 / tpp + 2 ))
row_light() {
    convert "$work/shot.png" -crop 600x18+$lx+$(( ly + $1 * 24 )) -colorspace Gray \
        -format '%[fx:mean>0 ? 1 : 0] %[fx:maxima]' info: | awk '{print $2}'
}
first=$(row_light 0); second=$(row_light 1)
echo "results list brightness: first line $first, second line $second"
awk -v a="$first" 'BEGIN { exit !(a > 0.8) }' || fail "the results list has no line"
awk -v b="$second" 'BEGIN { exit !(b < 0.8) }' || fail "the results list has more than one line"

kill -0 "$pid" 2>/dev/null || fail "vud2 died"
echo "PASS"
