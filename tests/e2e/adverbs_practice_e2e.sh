#!/usr/bin/env bash
# Works the whole practice of adverbs in the real program on a private X display: from the main
# menu's "II. Закрепите изученное" and item 1 along the chain through all ten exercises with the
# right answers, by mouse and (the crossword) by keyboard. The tenth completion opens the
# congratulation, once; closed, it leaves the practice menu with every exercise marked done.
# Usage: adverbs_practice_e2e.sh PATH/TO/adverbs PATH/TO/render_screen PATH/TO/screen_points
source "$(dirname "$0")/xvfb_session.sh"
RENDER=$2
POINTS=$3
PRACTICE=1024x340+0+384

# Clicks the named controls of the screen CLASS, one after another.
click_controls() {
    local class=$1
    shift
    "$POINTS" adverbs "$class" "$SCREEN_SIZE" "$@" 2>/dev/null >"$WORK/points" ||
        fail "$class lacks one of $*"
    while read -r x y; do
        click_at "$x" "$y"
        sleep 0.15
    done <"$WORK/points"
}
# Waits for the screen, chooses the options and presses "Ответил"; then dismisses the praise.
answer() {
    local class=$1 praised=$2
    shift 2
    wait_for_screen adverbs "$class" "$PRACTICE" || fail "$class did not open"
    click_controls "$class" "$@" BitBtn2
    sleep 0.6
    [ "$praised" = praised ] && { xdotool key Return; sleep 0.6; }
    return 0
}

"$1" &
APP_PID=$!
pass_splash 400x80+300+20
click_at 250 212
wait_for_screen adverbs TForm16 "$PRACTICE" || fail "no practice menu"
click_controls TForm16 Label13

answer TForm17 praised Label5 Label10 Label11 Label16 Label21
answer TForm18 praised Label5 Label12 Label19 Label25
answer TForm19 praised Label5 Label10 Label19 Label24
answer TForm20 silent Label5 Label11 Label21 Label25
answer TForm46 praised Label3

# The crossword, typed: each word into its row's field, Enter confirms that row.
wait_for_screen adverbs TForm21 "$PRACTICE" || fail "TForm21 did not open"
"$POINTS" adverbs TForm21 "$SCREEN_SIZE" Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 \
    2>/dev/null >"$WORK/fields"
"$POINTS" adverbs TForm21 "$SCREEN_SIZE" Label19 Label27 Label36 Label45 Label52 Label60 Label69 \
    2>/dev/null >"$WORK/marked"
for word in наизнанку накануне осторожно поспешно вручную подчистую примерно; do
    read -r x y <&3
    read -r cx cy <&4
    click_at "$x" "$y"
    type_row "$x" "$y" "$word" "$cx" "$cy" || fail "the row of \"$word\" was not written"
done 3<"$WORK/fields" 4<"$WORK/marked"
sleep 0.3
xdotool key Return
sleep 0.6

answer TForm22 praised Label5 Label8 Label10 Label16 Label18 Label23 Label27 Label29 Label34 Label36

# The staircase: each stage's right options; the fifth stage brings the praise.
wait_for_screen adverbs TForm23 "$PRACTICE" || fail "TForm23 did not open"
click_controls TForm23 Label2 Label6 Label11 Label16 Label22 Label26 Label33 Label39 Label45 Label50
sleep 0.6
xdotool key Return
sleep 0.6

answer TForm24 praised Label3 Label7 Label11 Label15 Label19 Label24 Label27
answer TForm47 praised Label2 Label6 Label9 Label12 Label15 Label18 Label22 Label25
answer TForm25 praised Label3 Label11 Label16 Label17 Label22
answer TForm48 praised Label3 Label11 Label16 Label17 Label22
answer TForm26 praised Label2 Label7 Label10 Label16 Label20 Label23 Label27 Label31 Label36 \
    Label39 Label44 Label47 Label52 Label55 Label60
# 10.а: while the praise is up the circles are coloured, and every chosen option still shows its
# blue letters on its own white background, also on a blue circle.
CHOSEN_10A="Label6 Label11 Label19 Label25 Label31 Label37 Label42 Label45"
answer TForm45 kept $CHOSEN_10A
"$POINTS" adverbs TForm45 "$SCREEN_SIZE" $CHOSEN_10A 2>/dev/null >"$WORK/chosen"
shoot
awk -v s="$(share_of "$PRACTICE" 'rgb(0,0,255)')" 'BEGIN { exit !(s > 0.05) }' ||
    fail "the circles of 10.а are not coloured"
while read -r x y; do
    region="16x10+$((x - 8))+$((y - 5))"
    awk -v text="$(share_of "$region" 'rgb(0,0,255)')" -v ground="$(share_of "$region" 'rgb(255,255,255)')" \
        'BEGIN { exit !(text > 0.05 && ground > 0.2) }' || fail "a chosen option of 10.а is hidden at $x, $y"
done <"$WORK/chosen"
xdotool key Return
sleep 0.6
answer TForm49 praised Label6 Label11 Label18 Label24 Label27 Label33 Label43 Label45

# The tenth completion: the congratulation over the whole display.
wait_for_screen adverbs TForm27 1024x768+0+0 || fail "no congratulation after the tenth exercise"
click_controls TForm27 BitBtn1
sleep 1
shows_screen adverbs TForm27 1024x768+0+0 && fail "the congratulation opened a second time"

# The practice menu shows "Выполнено" beside every item.
"$POINTS" adverbs TForm16 "$SCREEN_SIZE" Label12 Label14 Label15 Label16 Label17 Label18 \
    Label19 Label20 Label21 Label23 2>/dev/null >"$WORK/marks"
shoot
while read -r x y; do
    awk -v s="$(share_of "40x8+$((x - 20))+$((y - 4))" 'rgb(0,128,0)')" 'BEGIN { exit !(s > 0.05) }' ||
        fail "an exercise is not marked done at $x, $y"
done <"$WORK/marks"

# "Выход" ends the program with exit code 0.
click_at 820 335
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
wait "$APP_PID" && status=0 || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "exit code $status"
echo "adverbs practice end-to-end: all ten exercises, one congratulation, every mark passed"
