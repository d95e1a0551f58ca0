#!/usr/bin/env bash
# Starts adverbs on a private X display, waits out the splash, opens the practice menu and its
# item 4, the crossword, and solves it from the keyboard: Tab to each row's field, the word typed
# in Cyrillic, Enter to confirm that row. The seventh row brings the praise over the full grid;
# dismissing it opens exercise 5.
# Usage: crossword_e2e.sh PATH/TO/adverbs PATH/TO/render_screen PATH/TO/screen_points
source "$(dirname "$0")/xvfb_session.sh"
RENDER=$2
POINTS=$3
# Screen points at 1024x768 (scale 1.28): practice screens start at y 384.
PRACTICE=1024x340+0+384
MARKED_COLUMN=28x210+801+478 # the cells of the marked column, inside its red outline

"$1" &
APP_PID=$!

# The width in pixels of the information box's title bar (0 while no box is up).
box_width() {
    convert "$WORK/shot.png" -crop 1024x1+0+330 +repage -fill black +opaque 'rgb(0,84,166)' \
        -fill white -opaque 'rgb(0,84,166)' -format '%[fx:round(mean*w)]' info:
}


pass_splash 400x80+300+20

# "II. Закрепите изученное", then item 4 "4. Решите кроссворд.".
click_at 250 212
wait_for_screen adverbs TForm16 "$PRACTICE" || fail "no practice menu"
read -r x y < <("$POINTS" adverbs TForm16 "$SCREEN_SIZE" Label4)
click_at "$x" "$y"
wait_for_screen adverbs TForm21 "$PRACTICE" || fail "item 4 did not open the crossword"

# "Закрыть" has the first focus; Tab goes on to the fields in order.
# The first Tab reaches the first field; each word is then typed once its field has the focus,
# and the next Tab waits until the row is written.
"$POINTS" adverbs TForm21 "$SCREEN_SIZE" Label19 Label27 Label36 Label45 Label52 Label60 Label69 \
    2>/dev/null >"$WORK/marked"
"$POINTS" adverbs TForm21 "$SCREEN_SIZE" Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 \
    2>/dev/null >"$WORK/fields"
for word in наизнанку накануне осторожно поспешно вручную подчистую примерно; do
    read -r x y <&3
    read -r fx fy <&4
    xdotool key Tab
    sleep 0.2
    type_row "$fx" "$fy" "$word" "$x" "$y" || fail "the row of \"$word\" was not written"
done 3<"$WORK/marked" 4<"$WORK/fields"

# The praise is up, narrow enough for "Молодец!!!" alone, over the crossword's green column.
for _ in $(seq 20); do
    sleep 0.25
    shoot
    width=$(box_width)
    [ "$width" -gt 80 ] && [ "$width" -lt 200 ] && break
done
[ "$width" -gt 80 ] && [ "$width" -lt 200 ] || fail "no praise box (title bar $width pixels wide)"
awk -v s="$(share_of "$MARKED_COLUMN" 'rgb(0,128,0)')" 'BEGIN { exit !(s > 0.005) }' ||
    fail "the marked column shows no green letters under the praise"

xdotool key Return
wait_for_screen adverbs TForm22 "$PRACTICE" || fail "exercise 5 did not follow the crossword"

# "Закрыть" on exercise 5 and on the practice menu, then "Выход".
click_at 820 708
sleep 0.3
read -r x y < <("$POINTS" adverbs TForm16 "$SCREEN_SIZE" BitBtn1)
click_at "$x" "$y"
sleep 0.3
click_at 820 335
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
wait "$APP_PID" && status=0 || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "exit code $status"
echo "crossword end-to-end: typed in Cyrillic from the practice menu to the praise and exercise 5"
