#!/usr/bin/env bash
# Works the whole participle practice in the real program on a private X display: from the main
# menu's "II. Закрепите изученное" along the chain through all seventeen exercise screens with the
# right answers (word toggles, check boxes, choice groups, stress marks), each one praised, to the
# congratulation, whose "Выполнить тест" opens the test chooser; then leaves with "Выход". Then, in
# a window of 1440 x 1080, along the chain to the check boxes of exercise 8, ticked from the last
# words of their captions.
# Usage: russian_practice_e2e.sh PATH/TO/Russian PATH/TO/render_screen PATH/TO/screen_points
source "$(dirname "$0")/xvfb_session.sh"
RENDER=$2
POINTS=$3
LAYOUTS="$(dirname "$0")/../../russian/practice"
LOWER_HALF=1024x384+0+384

"$1" &
APP_PID=$!
pass_splash 400x80+330+20

# Whether at least a share $3 of the region $1 of the last screenshot has the colour $2.
has_share() { awk -v s="$(share_of "$1" "$2")" -v least="$3" 'BEGIN { exit !(s >= least) }'; }
blue='rgb(0,0,255)'

# Clicks the points (x y pairs, screen points at 1024x768) one by one.
click_all() {
    while [ $# -gt 1 ]; do
        click_at "$1" "$2"
        sleep 0.3
        shift 2
    done
}
answer() { click_at "$(scaled 379)" "$(scaled 705)"; sleep 0.8; } # "Я ответил/а"
dismiss() { xdotool key Return; sleep 0.8; }   # "OK" of the message box

# Exercise 1 opens in the lower half under the menu, nothing marked.
click_at 200 311
sleep 1
shows_screen russian TForm11 "$LOWER_HALF" || fail "\"II. Закрепите изученное\" did not open exercise 1"
has_share 1024x384+0+0 'rgb(0,128,0)' 0.005 || fail "the menu is gone from the top half"

# Exercise 1: the ten words of the definition. The praise comes while the marked screen is
# still on show.
click_all 799 530  336 561  144 592  227 592  423 592  484 592  558 592  65 622  318 622  550 653
shoot
has_share 300x20+650+520 "$blue" 0.05 || fail "\"признак предмета по действию\" is not marked"
answer
shoot
has_share 300x20+650+520 "$blue" 0.05 || fail "exercise 1 closed before its praise"
dismiss
shows_screen russian TForm12 "$LOWER_HALF" || fail "exercise 1 did not lead to exercise 2"

# Exercise 2: the full stop marks "-ик-" and a second click on it unmarks it; then the twelve
# suffixes of participles.
click_at 345 664
sleep 0.3
shoot
has_share 40x24+298+652 "$blue" 0.03 || fail "the full stop did not mark \"-ик-\""
click_at 345 664
sleep 0.3
click_all 400 500  549 500  703 500  381 541  517 541  696 541  318 582  445 582  521 582 \
    668 582  516 623  678 623
answer
dismiss
shows_screen russian TForm13 "$LOWER_HALF" || fail "exercise 2 did not lead to exercise 3"

# Exercise 3: the four participles of the verse; the landscape shows during the praise.
has_share 150x200+30+430 'rgb(255,255,255)' 0.99 || fail "the landscape shows before the answer"
click_all 551 458  520 489  454 551  524 643
answer
shoot
has_share 150x200+30+430 'rgb(255,255,255)' 0.5 && fail "no landscape during the praise"
dismiss
shows_screen russian TForm14 "$LOWER_HALF" || fail "exercise 3 did not lead to exercise 4"

# The centres of the named controls of the screen CLASS, one "x y" line each, into $WORK/points.
points_of() {
    local class=$1
    shift
    "$POINTS" russian "$class" "$SCREEN_SIZE" "$@" 2>/dev/null >"$WORK/points" ||
        fail "$class lacks one of $*"
}
# Clicks the named controls of the screen CLASS, one after another.
click_controls() {
    points_of "$@"
    while read -r x y; do
        click_at "$x" "$y"
        sleep 0.15
    done <"$WORK/points"
}
# The point "x y" of the named check box of the screen CLASS on its box, near its left edge (the
# layout of TFormN is unitN.yaml; the practice fills the lower half, scaled from 800 wide).
box_point() {
    local class=$1 box=$2 layout pattern left top height width=${SCREEN_SIZE%x*}
    layout="$LAYOUTS/unit${class#TForm}.yaml"
    # "- CheckBoxN: {rect: [left, top, width, height], ..." in design pixels.
    pattern="s/^ *- $box: *{rect: \[\([0-9]*\), \([0-9]*\), [0-9]*, \([0-9]*\)\].*/\1 \2 \3/p"
    read -r left top height < <(sed -n "$pattern" "$layout") || true
    [ -n "$left" ] || fail "$class lacks $box"
    echo $(((left * width + 400) / 800 + $(scaled 8))) \
        $((${SCREEN_SIZE#*x} / 2 + (top * width + 400) / 800 + height * width / 1600))
}
# Clicks the named check boxes of the screen CLASS on their boxes.
tick_boxes() {
    local class=$1
    shift
    for box in "$@"; do
        click_at $(box_point "$class" "$box")
        sleep 0.15
    done
}
# Waits for the exercise screen, makes the choices with CHOOSE (click_controls or tick_boxes),
# presses "Я ответил/а" and dismisses the praise.
exercise() {
    local choose=$1 class=$2
    shift 2
    wait_for_screen russian "$class" "$LOWER_HALF" || fail "$class did not open"
    "$choose" "$class" "$@"
    answer
    dismiss
}

# Exercise 4: the check boxes of "засеянный" and "заметивший", on to exercise 5.
click_all 223 609  643 670
shows_screen russian TForm14 20x20+215+599 && fail "\"засеянный\" is not ticked"
answer
dismiss
has_share 1024x384+0+0 'rgb(0,128,0)' 0.005 || fail "the menu is gone from the top half"

exercise click_controls TForm24 Label9 Label13 Label23
exercise tick_boxes TForm15 CheckBox2 CheckBox4 CheckBox5
exercise tick_boxes TForm16 CheckBox3 CheckBox5
exercise tick_boxes TForm17 CheckBox2 CheckBox5
exercise tick_boxes TForm18 CheckBox2 CheckBox3

# Exercise 10: "слитно," of the first rule clicked twice (two clicks, not a double click) clears
# its pair again: the answer is wrong until it is chosen once more.
wait_for_screen russian TForm19 "$LOWER_HALF" || fail "TForm19 did not open"
click_controls TForm19 Label6
sleep 0.5
click_controls TForm19 Label6 Label20 Label21
shoot
points_of TForm19 Label6 Label20
{ read -r x6 y6; read -r x20 y20; } <"$WORK/points"
has_share "40x10+$((x6 - 20))+$((y6 - 5))" "$blue" 0.01 && fail "\"слитно,\" is still chosen"
has_share "40x10+$((x20 - 20))+$((y20 - 5))" "$blue" 0.01 || fail "\"раздельно\" is not chosen"
answer
dismiss
shows_screen russian TForm20 "$LOWER_HALF" && fail "exercise 10 was right without its first pair"
click_controls TForm19 Label6
answer
dismiss

exercise tick_boxes TForm20 CheckBox3 CheckBox4 CheckBox5
exercise tick_boxes TForm21 CheckBox1 CheckBox5 CheckBox6 CheckBox7
exercise click_controls TForm25 Label5 Label7 Label11 Label15 Label19 Label21 Label35 Label29 \
    Label25 Label33 Label39 Label43 Label47 Label49

# Exercise 14а: the four drawings appear with the right answer and show under the praise.
wait_for_screen russian TForm26 "$LOWER_HALF" || fail "TForm26 did not open"
points_of TForm26 Image1 Image2 Image3 Image4
mapfile -t drawings <"$WORK/points"
click_controls TForm26 Label5 Label13 Label18 Label22
shoot
for centre in "${drawings[@]}"; do
    read -r x y <<<"$centre"
    has_share "40x40+$((x - 20))+$((y - 20))" 'rgb(255,255,255)' 0.99 ||
        fail "a drawing shows before the answer at $x, $y"
done
answer
shoot
for centre in "${drawings[@]}"; do
    read -r x y <<<"$centre"
    has_share "40x40+$((x - 20))+$((y - 20))" 'rgb(255,255,255)' 0.9 &&
        fail "no drawing under the praise at $x, $y"
done
dismiss

exercise click_controls TForm27 Label5
exercise click_controls TForm22 Label4 Label6 Label9 Label13 Label16 Label19 Label26 Label23 \
    Label30 Label33 Label37 Label40 Label45 Label49

# Exercise 16: the stressed syllables; a mark shows over each, and no other mark of the word.
stressed=(Label4 Label7 Label13 Label11 Label15 Label20 Label23 Label26 Label29 Label32 Label36
    Label41 Label45 Label49 Label55)
marks=(Label58 Label61 Label65 Label66 Label69 Label73 Label76 Label79 Label82 Label85 Label88
    Label93 Label97 Label102 Label107)
unmarked=(Label59 Label60 Label62 Label72 Label74 Label86 Label87 Label90 Label105 Label109)
wait_for_screen russian TForm23 "$LOWER_HALF" || fail "TForm23 did not open"
click_controls TForm23 Label5 "${stressed[@]}"
shoot
points_of TForm23 "${marks[@]}"
while read -r x y; do
    has_share "8x10+$((x - 4))+$((y - 5))" 'rgb(255,255,255)' 0.9 && fail "no stress mark at $x, $y"
done <"$WORK/points"
points_of TForm23 "${unmarked[@]}"
while read -r x y; do
    has_share "8x10+$((x - 4))+$((y - 5))" 'rgb(255,255,255)' 0.99 || fail "a wrong stress mark at $x, $y"
done <"$WORK/points"
answer
dismiss

# The congratulation covers the display; "Выполнить тест" opens the test chooser.
wait_for_screen russian TForm28 1024x768+0+0 || fail "no congratulation after the last exercise"
click_controls TForm28 BitBtn2
wait_for_screen russian TForm29 1024x768+0+0 || fail "\"Выполнить тест\" did not open the test chooser"
click_controls TForm29 BitBtn3 # "Закрыть"
sleep 0.5
has_share 1024x384+0+0 'rgb(0,128,0)' 0.005 || fail "the menu is not back after the chooser"

# "Выход" ends the program with exit code 0.
click_at 927 353
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
wait "$APP_PID" && status=0 || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "exit code $status"

# At 1440 x 1080, in a window of that size: along the chain to exercise 8, whose check boxes tick
# from the last word of their captions as well.
start_display 1440x1080
LOWER_HALF=1440x540+0+540
TEXTBOOK_DISPLAY=$SCREEN_SIZE "$1" &
APP_PID=$!
pass_splash "$(scaled 400)x$(scaled 80)+$(scaled 330)+$(scaled 20)"
click_at "$(scaled 200)" "$(scaled 311)"
exercise click_controls TForm11 Label8 Label12 Label17 Label18 Label20 Label21 Label22 Label24 \
    Label28 Label34
exercise click_controls TForm12 Label4 Label6 Label8 Label9 Label11 Label13 Label14 Label16 \
    Label17 Label19 Label22 Label24
exercise click_controls TForm13 Label3 Label6 Label12 Label21
exercise tick_boxes TForm14 CheckBox3 CheckBox10
exercise click_controls TForm24 Label9 Label13 Label23
exercise tick_boxes TForm15 CheckBox2 CheckBox4 CheckBox5
exercise tick_boxes TForm16 CheckBox3 CheckBox5

# Each caption's last word ("ветку.", "сад.", ..., "другу") ticks its box; a second click there
# clears it again. Its last letter is the rightmost dark pixel of the box's line.
wait_for_screen russian TForm17 "$LOWER_HALF" || fail "TForm17 did not open at $SCREEN_SIZE"
points_of TForm17 CheckBox1 CheckBox2 CheckBox3 CheckBox4 CheckBox5
mapfile -t lines <"$WORK/points"
last_words=()
for n in 1 2 3 4 5; do
    read -r x y <<<"${lines[n - 1]}"
    read -r left _ < <(box_point TForm17 "CheckBox$n")
    left=$((left - $(scaled 8)))
    band=$(convert "$WORK/shot.png" -crop "$((2 * (x - left)))x6+$left+$((y - 3))" +repage \
        -threshold 50% -negate -bordercolor black -border 1 -trim -format '%w %X' info:)
    read -r ink from <<<"$band"
    last_words+=("$((left + from + ink - 2 - $(scaled 6))) $y")
done
box_ticked() { # CheckBoxN: whether its box differs from the box of the screen as it opens
    read -r x y < <(box_point TForm17 "$1")
    ! shows_screen russian TForm17 "$(scaled 16)x$(scaled 16)+$((x - $(scaled 8)))+$((y - $(scaled 8)))"
}
for n in 1 2 3 4 5; do
    click_at ${last_words[n - 1]}
    sleep 0.3
    box_ticked "CheckBox$n" || fail "a click on the last word of CheckBox$n at ${last_words[n - 1]} left it clear"
done
for n in 1 3 4; do
    click_at ${last_words[n - 1]}
    sleep 0.3
    box_ticked "CheckBox$n" && fail "a second click on the last word of CheckBox$n left it ticked"
done
answer
dismiss
wait_for_screen russian TForm18 "$LOWER_HALF" || fail "CheckBox2 and CheckBox5 ticked by their last words did not answer exercise 8"
echo "Russian practice end-to-end: all seventeen screens, the congratulation and the test chooser passed;" \
    "at 1440 x 1080 every check box of exercise 8 ticks from its last word"
