#!/usr/bin/env bash
# Starts the real `adverbs` on a private X display, waits out the splash, presses "Далее", finds
# the main menu in the top half and leaves with "Выход".
# Usage: adverbs_e2e.sh PATH/TO/adverbs
source "$(dirname "$0")/xvfb_session.sh"

"$1" &
APP_PID=$!

# The splash: the red course title over the whole display.
wait_for_colour 500x120+300+170 15 'rgb(255,0,0)' || fail "no splash title"
share=$(share_of 70x55+229+524 'rgb(255,255,255)')
awk -v s="$share" 'BEGIN { exit !(s > 0.99) }' || fail "\"Далее\" is shown during the count-down"

# After five seconds "Далее" appears (a button face, not white any more).
for _ in $(seq 40); do
    shoot
    awk -v s="$(share_of 70x55+229+524 'rgb(255,255,255)')" 'BEGIN { exit !(s < 0.9) }' && break
    sleep 0.25
done
awk -v s="$(share_of 70x55+229+524 'rgb(255,255,255)')" 'BEGIN { exit !(s < 0.9) }' ||
    fail "\"Далее\" did not appear"
click_at 297 553

# The menu: its green title in the top half, the desktop below it.
wait_for_colour 400x80+300+20 10 'rgb(0,128,0)' || fail "no main menu"
awk -v s="$(share_of 1024x300+0+450 'rgb(58,110,165)')" 'BEGIN { exit !(s > 0.95) }' ||
    fail "the menu does not stay in the top half"

# "Выход" ends the program with exit code 0.
click_at 820 335
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
wait "$APP_PID" && status=0 || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "exit code $status"
echo "adverbs end-to-end: splash, menu and exit passed"
