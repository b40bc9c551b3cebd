#!/usr/bin/env bash
# A schedule due in the next minute with the type "Log Off" makes the running curfew.exe end
# its Wine session: every process of the throwaway prefix, the wineserver included.
# Usage: app_log_off_end_to_end.sh CURFEW_EXE PROBE_EXE   (WINEPREFIX: the prepared test prefix)
set -euo pipefail
source "$(dirname "$0")/installed_program.sh" "$@"

# Not in the last seconds of a minute: the program must be up before the minute begins.
while (( 10#$(date +%S) > 50 )); do sleep 1; done
read -r day time < <(wine "$probe" schedule-time 1 | tr -d '\r')
printf '<DATA>\r\nLastRunTime=\r\nItemType=Log Off\r\nEnabled=1\r\n</DATA>\r\n\r\n<SCHEDULER>\r\nStartDate=%s\r\nStartTime=%s\r\nRepeat=0\r\nSAccurancy=0\r\nPeriod=\r\nRunOnStart=0\r\nRunOnEnd=0\r\n</SCHEDULER>\r\n\r\n' \
  "$day" "$time" >"$program/data/Log off soon.sch"

started=$(date +%s)
wine "$program/curfew.exe" </dev/null >/dev/null 2>&1 &
program_pid=$!
if ! timeout 75 wineserver -w; then
  echo "FAIL: the session still runs 75 seconds after start (schedule at $day $time)"
  exit 1
fi
timeout 10 tail --pid="$program_pid" -f /dev/null || { echo "FAIL: curfew.exe outlived its session"; exit 1; }
echo "PASS: the scheduled log-off at $time ended the session $(( $(date +%s) - started )) s after start"
