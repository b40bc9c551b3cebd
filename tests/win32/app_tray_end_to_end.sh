#!/usr/bin/env bash
# On a display (Xvfb, with Wine's desktop and its notification area), curfew.exe puts its icon
# in the notification area, puts it back at once when a new task bar (Explorer restarted) says
# so, and its menu's History entry, chosen with the arrow keys, opens the history.
# Usage: app_tray_end_to_end.sh CURFEW_EXE PROBE_EXE   (WINEPREFIX: the prepared test prefix)
set -euo pipefail
source "$(dirname "$0")/installed_program.sh" "$@"

display=:$((150 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'remove_throwaway_prefix; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
# Every program of the prefix on one virtual desktop, which has a notification area.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
wineserver -w
sleep 1

wine "$program/curfew.exe" </dev/null >/dev/null 2>&1 &
if ! wine "$probe" tray-icon "Curfew" 40; then
  echo "FAIL: no notification icon 40 seconds after start"
  exit 1
fi
echo "PASS: curfew.exe put its icon in the notification area"
wine "$probe" restart-shell
# The tray routine would put it back within 15 seconds anyway: the new task bar's word must be
# heard well before that.
if ! wine "$probe" tray-icon "Curfew" 3; then
  echo "FAIL: the icon was not back 3 seconds after a new task bar"
  exit 1
fi
echo "PASS: a new task bar got the icon back at once"
# The icon's menu, opened by a click on it: Open, then History; Enter opens the history.
main="Curfew by Curfew Team"
wine "$probe" tray-menu || { echo "FAIL: the icon's menu did not open"; exit 1; }
sleep 1
wine "$probe" press "$main" down 2
wine "$probe" press "$main" enter
if ! wine "$probe" wait-window "Curfew History" 20; then
  echo "FAIL: History in the icon's menu did not open the history"
  exit 1
fi
echo "PASS: the icon's menu opened the history"
