#!/usr/bin/env bash
# Starts a real program on a private X display, waits out the splash, presses "Далее", finds the
# main menu in the top half, tries double clicks as young pupils make them, and leaves with "Выход".
# Usage: program_e2e.sh adverbs|Russian PATH/TO/PROGRAM PATH/TO/render_screen
source "$(dirname "$0")/xvfb_session.sh"
RENDER=$3

# Screen points at 1024x768: the splash's frame puts its client 2 pixels right and 20 down.
case "$1" in
    adverbs) title=500x120+300+170 menu_title=400x80+300+20 exit_button="820 335" ;;
    Russian) title=500x120+300+170 menu_title=400x80+330+20 exit_button="927 353" ;;
    *) echo "usage: program_e2e.sh adverbs|Russian PROGRAM" >&2; exit 2 ;;
esac
button=70x55+229+524 # the left part of "Далее", clear of the credit lines

"$2" &
APP_PID=$!

white_share_below() { awk -v s="$(share_of "$button" 'rgb(255,255,255)')" -v limit="$1" 'BEGIN { exit !(s < limit) }'; }

# The splash: the red course title over the whole display, no button yet.
wait_for_colour "$title" 15 'rgb(255,0,0)' || fail "no splash title"
white_share_below 0.99 && fail "\"Далее\" is shown during the count-down"

# After five seconds "Далее" appears.
for _ in $(seq 40); do
    shoot
    white_share_below 0.9 && break
    sleep 0.25
done
white_share_below 0.9 || fail "\"Далее\" did not appear"
click_at 297 553

# The menu: its green title in the top half, the desktop below it.
wait_for_colour "$menu_title" 10 'rgb(0,128,0)' || fail "no main menu"
awk -v s="$(share_of 1024x300+0+450 'rgb(58,110,165)')" 'BEGIN { exit !(s > 0.95) }' ||
    fail "the menu does not stay in the top half"

case "$1" in
    adverbs)
        # A double click on "Я ответил/а" answers question 1 only: question 2 is on show.
        click_at 250 272
        sleep 0.5
        double_click_at 251 620
        shows_screen adverbs TForm29 1024x200+0+0 || fail "a double click answered two questions"
        click_at 763 620
        # A double click on a word of exercise 1 marks it once: it stays blue.
        click_at 260 210
        sleep 0.5
        click_at 300 496
        sleep 0.5
        double_click_at 690 460
        shoot
        awk -v s="$(share_of 90x28+652+447 'rgb(0,0,255)')" 'BEGIN { exit !(s > 0.03) }' ||
            fail "a double click on a word left it unmarked"
        click_at 820 708
        sleep 0.3
        click_at 497 751
        ;;
    Russian)
        # A double click on "III. Выполните тест" opens the chooser, not the first question: the
        # second press lands on "Тест 1".
        double_click_at 300 352
        shows_screen russian TForm29 1024x768+0+0 || fail "a double click went past the test chooser"
        click_at 390 625
        ;;
esac
sleep 0.5

# "Выход" ends the program with exit code 0.
click_at $exit_button
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end"
wait "$APP_PID" && status=0 || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "exit code $status"
echo "$1 end-to-end: splash, menu, double clicks and exit passed"
