# Shared by the end-to-end tests: a private Xvfb display and helpers to look at it and click it.
# Source it; it starts Xvfb at 1024x768 and stops it on exit.

set -euo pipefail

SCREEN_SIZE=1024x768
for number in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || { DISPLAY_NUMBER=$number; break; }
done
export DISPLAY=":$DISPLAY_NUMBER"
unset TEXTBOOK_DISPLAY QT_QPA_PLATFORM
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORK"

Xvfb "$DISPLAY" -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
APP_PID=
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

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
