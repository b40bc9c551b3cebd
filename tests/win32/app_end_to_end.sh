#!/usr/bin/env bash
# curfew.exe as a user meets it, in a throwaway copy of the test prefix with its own
# wineserver: it starts and shows its schedules, its web site button opens the browser
# window, a second copy ends at once, closing hides
# the window and shows the reminder (also with "chkAlwaysExit" stored as a number, which
# cannot be read as a setting), Enter dismisses the reminder, and the end of the Windows
# session ends it. (File > Exit
# and the tray's Exit take the same unload; the menu bar of another process cannot be read
# under Wine, so they are tested on the headless back end and by the menu routing tests.)
# Usage: app_end_to_end.sh CURFEW_EXE PROBE_EXE   (WINEPREFIX: the prepared test prefix)
set -euo pipefail
source "$(dirname "$0")/installed_program.sh" "$@"
printf '<DATA>\r\nLastRunTime=\r\nItemType=Shut Down\r\nEnabled=1\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate=1/1/2099\r\nStartTime=23:30:00\r\nRepeat=0\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n' >"$program/data/Far Future.sch"

wine reg add 'HKLM\SOFTWARE\Curfew Team\Curfew\Settings' /v chkAlwaysExit /t REG_DWORD /d 1 /f \
  </dev/null >/dev/null 2>&1
title="Curfew by Curfew Team"

start=$(date +%s%N)
wine "$program/curfew.exe" </dev/null >/dev/null 2>&1 &
first=$!
wine "$probe" wait-window "$title" 30 || fail "the main window did not appear"
shown=$(date +%s%N)
echo "main window after $(((shown - start) / 1000000)) ms"
wine "$probe" visible "$title" || fail "the main window is not visible"

# The web site button opens the program's browser on the web site. (No network here: the
# start page ends at once, and without a page renderer its name is its address.)
wine "$probe" click "$title" "Visit curfew.example.org" || fail "no web site button"
wine "$probe" wait-window "http://curfew.example.org/" 30 || fail "the browser window did not open on the web site"
wine "$probe" close "http://curfew.example.org/"
for _ in $(seq 100); do wine "$probe" visible "http://curfew.example.org/" || break; sleep 0.1; done
if wine "$probe" visible "http://curfew.example.org/"; then fail "the browser window did not close"; fi

# A second copy ends by itself, and the first one stays.
if ! timeout 30 wine "$program/curfew.exe" </dev/null >/dev/null 2>&1; then fail "the second copy did not end"; fi
kill -0 "$first" 2>/dev/null || fail "the first copy ended too"

# The close box hides the window and shows the reminder.
wine "$probe" close "$title"
wine "$probe" wait-window "Curfew is still running" 20 || fail "no reminder after closing"
sleep 1
if wine "$probe" visible "$title"; then fail "the main window is still visible after closing"; fi
kill -0 "$first" 2>/dev/null || fail "closing ended the program"

# Enter answers the reminder's only button.
wine "$probe" press "Curfew is still running" enter
for _ in $(seq 100); do wine "$probe" visible "Curfew is still running" || break; sleep 0.1; done
if wine "$probe" visible "Curfew is still running"; then fail "Enter did not dismiss the reminder"; fi
kill -0 "$first" 2>/dev/null || fail "dismissing the reminder ended the program"

# Windows logging off ends the program, hidden as it is.
wine "$probe" end-session "$title"
timeout 30 tail --pid="$first" -f /dev/null || fail "the end of the session did not end the program"
echo "PASS: curfew.exe started, opened its browser, refused a second copy, hid on close and ended with the session"
