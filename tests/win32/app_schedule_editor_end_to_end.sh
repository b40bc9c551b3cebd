#!/usr/bin/env bash
# A user makes a schedule in the running curfew.exe's own editor, with keys and clicks sent
# from outside: "New Schedule", a name typed, "Log Off" typed into the action box, "Enable
# Scheduler" ticked, the time picker stepped to the coming minute, "Ok". The file written is
# exactly the record the editor shows, and the schedule then logs the Wine session off
# within its minute.
# Usage: app_schedule_editor_end_to_end.sh CURFEW_EXE PROBE_EXE   (WINEPREFIX: the test prefix)
set -euo pipefail
source "$(dirname "$0")/installed_program.sh" "$@"
main="Curfew by Curfew Team"
editor="Schedule Configuration"

# The editor proposes the next full hour of today; the steps below take it back to this hour
# and on to the coming minute, so they must all happen inside one hour and well before the
# coming minute begins.
while (( 10#$(date +%S) > 30 )) || [[ $(date +%M) == 59 ]]; do sleep 1; done
read -r day time < <(wine "$probe" schedule-time 1 | tr -d '\r')
minute=$((10#${time:3:2}))

wine "$program/curfew.exe" </dev/null >/dev/null 2>&1 &
program_pid=$!
wine "$probe" wait-window "$main" 30 || fail "the main window did not appear"
clicked=$(date +%s%N)
wine "$probe" click "$main" "New Schedule" || fail "no New Schedule button"
wine "$probe" wait-window "$editor" 10 || fail "New Schedule did not open the editor"
echo "the editor was shown $((($(date +%s%N) - clicked) / 1000000)) ms after the click (two probe starts included)"

wine "$probe" type "$editor" "Log off soon"
wine "$probe" press "$editor" tab
wine "$probe" type "$editor" "Log Off"
wine "$probe" click "$editor" "Enable Scheduler" || fail "no Enable Scheduler box"
# The second picker is the time: its hour field first, then the minutes.
wine "$probe" click-control "$editor" SysDateTimePick32 1 || fail "the time picker took no focus"
wine "$probe" press "$editor" down
wine "$probe" press "$editor" right
if ((minute > 0)); then wine "$probe" press "$editor" up "$minute"; fi
wine "$probe" click "$editor" "Ok" || fail "no Ok button"

file="$program/data/Log off soon.sch"
expected=$work/expected.sch
printf '<DATA>\r\nLastRunTime=\r\nItemType=Log Off\r\nEnabled=1\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate=%s\r\nStartTime=%s\r\nRepeat=0\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n' \
  "$day" "$time" >"$expected"
# The schedule fires within the minute and then stores its run: the file is compared at once.
for _ in $(seq 100); do
  [[ -f $file ]] && cmp -s "$file" "$expected" && break
  sleep 0.05
done
if ! cmp -s "$file" "$expected"; then
  cat -A "$file" 2>/dev/null || echo "(no file)"
  fail "the editor wrote another record than a Log Off at $day $time"
fi
if wine "$probe" visible "$editor"; then fail "the editor is still open after Ok"; fi
echo "the editor wrote the schedule for $day $time"

if ! timeout 100 wineserver -w; then fail "the session still runs after the schedule's minute ($day $time)"; fi
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "curfew.exe outlived its session"
echo "PASS: a Log Off made in the editor for $time ended the session at $(date +%T)"
