# Shared by the end-to-end tests: a private Xvfb display and helpers to look at it and click it.
# Source it; it starts Xvfb at 1024x768 (start_display starts it anew at another size) and stops it
# on exit.

set -euo pipefail

SCREEN_SIZE=1024x768
# Letters, not bytes, in the words the tests type.
export LC_ALL=C.UTF-8
unset TEXTBOOK_DISPLAY QT_QPA_PLATFORM
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK"

XVFB_PID=
APP_PID=
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Starts Xvfb with a screen of the size $1 (WxH), in place of the one before if there is one.
# Xvfb picks a free display number itself and writes it out, so several sessions can start at once.
# It repeats no key (-r): on a busy machine a key's release can come late enough for the server to
# repeat the key, and a word typed by xdotool then arrives with a doubled letter.
start_display() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    SCREEN_SIZE=$1
    rm -f "$WORK/display"
    mkfifo "$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp -r 3>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    read -r DISPLAY_NUMBER <"$WORK/display"
    export DISPLAY=":$DISPLAY_NUMBER"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # A Russian keyboard, as the pupils have.
    setxkbmap -layout ru
}
start_display "$SCREEN_SIZE"

# A length in pixels of the 1024-wide display, at the width of this one.
scaled() { echo $(($1 * ${SCREEN_SIZE%x*} / 1024)); }

# Types a word of small Cyrillic letters with the keys of the Russian layout. "xdotool type" would
# look for each letter's Unicode keysym, find none in the layout, and remap a spare key for every
# letter, which a busy program reads too late and takes for no letter at all.
declare -A CYRILLIC_KEYSYM=(
    [а]=a [б]=be [в]=ve [г]=ghe [д]=de [е]=ie [ё]=io [ж]=zhe [з]=ze [и]=i [й]=shorti [к]=ka
    [л]=el [м]=em [н]=en [о]=o [п]=pe [р]=er [с]=es [т]=te [у]=u [ф]=ef [х]=ha [ц]=tse [ч]=che
    [ш]=sha [щ]=shcha [ъ]=hardsign [ы]=yeru [ь]=softsign [э]=e [ю]=yu [я]=ya
)
type_russian() {
    local word=$1 keys=() i
    for ((i = 0; i < ${#word}; i++)); do
        keys+=("Cyrillic_${CYRILLIC_KEYSYM[${word:i:1}]:?"no key for ${word:i:1}"}")
    done
    xdotool key --delay 40 "${keys[@]}"
}

# Types a crossword word into its row's field, which has the focus, and confirms it with Enter, until
# the row's cell at CX CY shows its green letter. A busy machine may lose a letter: the wrong-answer
# box is then dismissed and the word typed again into the cleared field at FX FY (three tries).
type_row() {
    local fx=$1 fy=$2 word=$3 cx=$4 cy=$5 try
    for try in 1 2 3; do
        if [ "$try" -gt 1 ]; then
            echo "typing \"$word\" again (try $try)" >&2
            xdotool key Return
            sleep 0.5
            click_at "$fx" "$fy"
            xdotool key ctrl+a BackSpace
        fi
        type_russian "$word"
        xdotool key Return
        for _ in $(seq 50); do
            shoot
            awk -v s="$(share_of "14x14+$((cx - 7))+$((cy - 7))" 'rgb(0,128,0)')" \
                'BEGIN { exit !(s > 0.02) }' && return 0
            sleep 0.2
        done
    done
    return 1
}

fail() { echo "FAIL: $*" >&2; cp "$WORK/shot.png" "/tmp/e2e-failure.png" 2>/dev/null || true; exit 1; }

# Takes a screenshot of the whole display into $WORK/shot.png.
shoot() { import -window root "$WORK/shot.png"; }

# Share (0..1) of the pixels in the region WxH+X+Y of the last screenshot that have the colour.
share_of() {
    convert "$WORK/shot.png" -crop "$1" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:mean]' info:
}

# Waits up to $2 seconds until the region $1 holds some pixels of colour $3.
wait_for_colour() {
    local region=$1 seconds=$2 colour=$3
    for _ in $(seq $((seconds * 5))); do
        shoot
        awk -v s="$(share_of "$region" "$colour")" 'BEGIN { exit !(s > 0.001) }' && return 0
        sleep 0.2
    done
    return 1
}

click_at() { xdotool mousemove "$1" "$2" click 1; }
double_click_at() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 60 1; sleep 0.5; }

# Whether the display's region WxH+X+Y shows what the screen CLASS of PROGRAM (adverbs or
# russian) shows there when it has just opened, rendered apart at the same size by $RENDER:
# fewer than 1 % of its pixels differ.
shows_screen() {
    local program=$1 class=$2 region=$3
    "$RENDER" "$program" "$class" "$SCREEN_SIZE" "$WORK/$class.png" 2>/dev/null
    shoot
    convert "$WORK/shot.png" -crop "$region" +repage "$WORK/seen.png"
    convert "$WORK/$class.png" -crop "$region" +repage "$WORK/expected.png"
    local differing total
    differing=$(compare -metric AE -fuzz 10% "$WORK/seen.png" "$WORK/expected.png" null: 2>&1 || true)
    total=$(convert "$WORK/expected.png" -format '%[fx:w*h]' info:)
    awk -v d="${differing%% *}" -v t="$total" 'BEGIN { exit !(d < t / 100) }'
}
wait_for_screen() {
    for _ in $(seq 20); do shows_screen "$@" && return 0; sleep 0.25; done
    return 1
}

# The splash: its red title, then after five seconds "Далее", pressed; then the main menu, whose
# green title shows in the region $1.
pass_splash() {
    wait_for_colour "$(scaled 500)x$(scaled 120)+$(scaled 300)+$(scaled 170)" 15 'rgb(255,0,0)' ||
        fail "no splash title"
    for _ in $(seq 40); do
        shoot
        awk -v s="$(share_of "$(scaled 70)x$(scaled 55)+$(scaled 229)+$(scaled 524)" 'rgb(255,255,255)')" \
            'BEGIN { exit !(s < 0.9) }' && break
        sleep 0.25
    done
    click_at "$(scaled 297)" "$(scaled 553)"
    wait_for_colour "$1" 10 'rgb(0,128,0)' || fail "no main menu"
}
