#!/usr/bin/env bash
# The installer and uninstaller driven as a person drives them, by keys and clicks in their
# windows, in a throwaway copy of the test prefix:
#  - Enter through the pages (welcome, for whom, components, folder, finish) installs for the
#    user with "Run at Windows Startup", and the finish page starts the program;
#  - the uninstaller's question about the schedules: Enter answers its default, No, and keeps
#    them; a click on Yes removes them with the program's folder.
# Usage: installer_by_keys_end_to_end.sh INSTALLER PROBE_EXE   (WINEPREFIX: the test prefix)
set -euo pipefail
installer=$1
probe=$2
source "$(dirname "$0")/../win32/throwaway_prefix.sh"

fail() {
  echo "FAIL: $*"
  exit 1
}
windows_program="$(wine cmd /c echo "%LOCALAPPDATA%" </dev/null 2>/dev/null | tr -d '\r')\\Programs\\Curfew"
program=$(winepath -u "$windows_program")
title="Curfew by Curfew Team"
setup="Curfew Setup"
uninstall="Curfew Uninstall"

# Presses Enter in the window of that title once it is shown. The wizard's own title has a
# blank after it on some pages (their empty subtitle): "wizard" looks for both.
enter_in() {
  local titles=("$1")
  [[ ${3:-} == wizard ]] && titles+=("$1 ")
  for _ in $(seq 100); do
    for shown in "${titles[@]}"; do
      if wine "$probe" visible "$shown"; then
        wine "$probe" press "$shown" enter || fail "Enter did not reach \"$shown\" ($2)"
        return 0
      fi
    done
    sleep 0.2
  done
  fail "no window \"$1\" ($2)"
}
wait_for() {
  for _ in $(seq 200); do [[ -e $1 ]] && return 0; sleep 0.1; done
  return 1
}

wine "$installer" </dev/null >/dev/null 2>&1 &
enter_in "$setup" "welcome" wizard
enter_in "$setup" "for whom: only for me, as chosen at first" wizard
enter_in "$setup" "components" wizard
enter_in "$setup" "folder: Install" wizard
wait_for "$program/uninstall.exe" || fail "Install installed nothing"
sleep 1
enter_in "$setup" "finish, with Run Curfew ticked" wizard
wine "$probe" wait-window "$title" 30 || fail "the finish page did not start the program"
wine "$probe" end-session "$title"
value=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Curfew0 </dev/null 2>/dev/null | tr -d '\r')
[[ $value == *"$windows_program\\curfew.exe"* ]] || fail "the component did not register the start with Windows"

# Enter on the question keeps the schedules.
printf 'schedule' >"$program/data/Kept.sch"
wine "$program/uninstall.exe" </dev/null >/dev/null 2>&1 &
enter_in "$uninstall " "confirm: Uninstall"
enter_in "$uninstall" "remove the schedules too? the default"
enter_in "$uninstall " "Close"
[[ ! -e $program/curfew.exe ]] || fail "the program is left"
[[ -f $program/data/Kept.sch ]] || fail "Enter on the question removed the schedules"

# Yes removes them.
wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the silent installation failed"
wine "$program/uninstall.exe" </dev/null >/dev/null 2>&1 &
enter_in "$uninstall " "confirm: Uninstall"
wine "$probe" wait-window "$uninstall" 20 || fail "no question about the schedules"
wine "$probe" click "$uninstall" "Yes" || fail "no Yes button on the question"
enter_in "$uninstall " "Close"
[[ ! -e $program ]] || fail "Yes left the schedules: $(ls -R "$program")"
echo "PASS: the installer took Enter through its pages and started the program; the uninstaller kept the schedules on Enter and removed them on Yes"
