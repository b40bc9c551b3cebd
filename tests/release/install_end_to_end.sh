#!/usr/bin/env bash
# The installer and uninstaller as a Windows user and an administrator meet them, in a
# throwaway copy of the test prefix:
#  - a silent installation for the current user of an older version: its files, Start-menu
#    shortcut, uninstall entry and start-up value; the installed program starts and shows its
#    window;
#  - the user's schedule, language file, a setting and "Run at Windows Startup" turned off;
#    then a silent upgrade while the program runs: the running copy is ended, the version
#    changes, and the schedule, the language file, the setting and the choice stay;
#  - a silent uninstallation: nothing of the program is left but the schedules and settings,
#    which go only with /RemoveData (the consent of a silent run);
#  - a silent installation for all users under Program Files and its uninstallation.
# Usage: install_end_to_end.sh INSTALLER OLDER_INSTALLER PROBE_EXE VERSION   (WINEPREFIX: the test prefix)
set -euo pipefail
installer=$1
older=$2
probe=$3
version=$4
source "$(dirname "$0")/../win32/throwaway_prefix.sh"

fail() {
  echo "FAIL: $*"
  exit 1
}
# A registry value's data, or nothing when it is not there.
value() {
  wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# The Unix path of a folder Windows names by an environment variable.
folder() {
  winepath -u "$(wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r')" 2>/dev/null
}
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Curfew'
machine_uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Curfew'
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
settings='HKLM\Software\Curfew Team\Curfew\Settings'
emulation='HKCU\Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION'
title="Curfew by Curfew Team"
program=$(folder LOCALAPPDATA)/Programs/Curfew
windows_program="$(wine cmd /c echo "%LOCALAPPDATA%" </dev/null 2>/dev/null | tr -d '\r')\Programs\Curfew"
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Curfew.lnk"

# Starts the installed program in FOLDER and waits for its window; with "first", the language
# dialog of a user who has no settings comes first and is answered.
start_program() {
  wine "$1/curfew.exe" </dev/null >/dev/null 2>&1 &
  program_pid=$!
  if [[ ${2:-} == first ]]; then
    wine "$probe" wait-window "Language Selection" 30 || fail "no language dialog on a first start"
    wine "$probe" click "Language Selection" "OK" || fail "no OK button in the language dialog"
  fi
  wine "$probe" wait-window "$title" 30 || fail "the installed program showed no window (line ${BASH_LINENO[0]})"
}
# Runs an uninstaller and waits for its copy (it runs from the temporary folder) to finish.
uninstall() {
  local uninstaller=$1
  shift
  wine "$uninstaller" "$@" </dev/null >/dev/null 2>&1
  for _ in $(seq 300); do [[ -e $uninstaller ]] || break; sleep 0.1; done
  [[ ! -e $uninstaller ]] || fail "the uninstaller did not remove itself"
  sleep 0.5
}

# An older version, installed silently for the current user.
wine "$older" /S </dev/null >/dev/null 2>&1 || fail "the silent installation failed"
for file in curfew.exe curfewctl.exe Help.chm Localization.xml uninstall.exe; do
  [[ -f $program/$file ]] || fail "no $file in the installation folder"
done
[[ -d $program/data ]] || fail "no data folder"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"
[[ $(value "$uninstall_key" DisplayName) == Curfew ]] || fail "no uninstall entry for the user"
[[ $(value "$uninstall_key" Publisher) == "Curfew Team" ]] || fail "the entry names no publisher"
[[ $(value "$uninstall_key" DisplayIcon) == "$windows_program\\curfew.exe,0" ]] || fail "the entry has no icon"
[[ $(value "$uninstall_key" QuietUninstallString) == "\"$windows_program\\uninstall.exe\" /S" ]] ||
  fail "the entry has no quiet uninstall command"
(($(value "$uninstall_key" EstimatedSize))) || fail "the entry has no size"
[[ $(value "HKLM\\$run_key" Curfew0) == "$windows_program\\curfew.exe" ]] ||
  fail "a new installation does not start with Windows"
[[ -z $(value "$machine_uninstall_key" DisplayName) ]] || fail "a user's installation wrote the machine's entry"

start_program "$program"
wine "$probe" end-session "$title"
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program did not end with the session"

# What the user made of it: a schedule, a newer language file, a setting, no start-up.
schedule=$'<DATA>\r\nLastRunTime=\r\nItemType=Shut Down\r\nEnabled=1\r\n</DATA>\r\n'
printf '%s' "$schedule" >"$program/data/Evening.sch"
cp "$program/data/Evening.sch" "$work/schedule.sch"
printf '\r\n' >>"$program/Localization.xml"
cp -p "$program/Localization.xml" "$work/chosen-language.xml"
touch "$program/Localization.xml"
wine reg add "$settings" /v chkNoShow /t REG_SZ /d 1 /f </dev/null >/dev/null 2>&1
wine "$program/curfew.exe" /StartWithWindows=0 </dev/null >/dev/null 2>&1
[[ -z $(value "HKLM\\$run_key" Curfew0) ]] || fail "the program's switch did not take it out of the start-up list"

# The upgrade, with the program running.
start_program "$program"
wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the silent upgrade failed"
timeout 20 tail --pid="$program_pid" -f /dev/null || fail "the running copy was not ended"
[[ $(value "$uninstall_key" DisplayVersion) == "$version" ]] || fail "the upgrade did not change the version"
cmp -s "$program/data/Evening.sch" "$work/schedule.sch" || fail "the upgrade changed the schedule"
cmp -s "$program/Localization.xml" "$work/chosen-language.xml" || fail "the upgrade replaced the chosen language file"
[[ $(value "$settings" chkNoShow) == 1 ]] || fail "the upgrade lost a setting"
[[ -z $(value "HKLM\\$run_key" Curfew0)$(value "HKCU\\$run_key" Curfew0) ]] ||
  fail "the upgrade turned start with Windows back on"
start_program "$program"
wine "$probe" end-session "$title"
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the upgraded program did not end"

# Uninstalled silently: the schedules and settings stay.
# What the program leaves beside it as it runs: its start-up value, its browser's emulation
# value and the language template.
wine reg add "HKLM\\$run_key" /v Curfew0 /t REG_SZ /d "$windows_program\\curfew.exe" /f </dev/null >/dev/null 2>&1
wine reg add "$emulation" /v curfew.exe /t REG_DWORD /d 11001 /f </dev/null >/dev/null 2>&1
printf 'template' >"$program/Localization.txt"
uninstall "$program/uninstall.exe" /S
for file in curfew.exe curfewctl.exe Help.chm Localization.xml Localization.txt; do
  [[ ! -e $program/$file ]] || fail "$file is left"
done
[[ ! -e $shortcut ]] || fail "the shortcut is left"
[[ -z $(value "$uninstall_key" DisplayName) ]] || fail "the uninstall entry is left"
[[ -z $(value "HKLM\\$run_key" Curfew0) ]] || fail "the start-up value is left"
[[ -z $(value "$emulation" curfew.exe) ]] || fail "the browser emulation value is left"
[[ -f $program/data/Evening.sch ]] || fail "the schedule went without consent"
[[ $(value "$settings" chkNoShow) == 1 ]] || fail "the settings went without consent"

# Installed again, the schedule is there; uninstalled with consent, nothing is left.
wine "$installer" /S /StartWithWindows=0 </dev/null >/dev/null 2>&1 || fail "the second installation failed"
[[ -f $program/data/Evening.sch ]] || fail "the kept schedule is not in the new installation"
[[ -z $(value "HKLM\\$run_key" Curfew0) ]] || fail "/StartWithWindows=0 was not followed"
uninstall "$program/uninstall.exe" /S /RemoveData
[[ ! -e $program ]] || fail "the installation folder is left after /RemoveData: $(ls -R "$program")"
[[ -z $(value "$settings" chkNoShow) ]] || fail "the settings are left after /RemoveData"

# For all users: under Program Files, the machine's entry, and uninstalled by its own command.
wine "$installer" /S /AllUsers </dev/null >/dev/null 2>&1 || fail "the installation for all users failed"
everyone=$(folder ProgramW6432)/Curfew
[[ -f $everyone/curfew.exe ]] || fail "no program under Program Files"
[[ -f "$(folder ProgramData)/Microsoft/Windows/Start Menu/Programs/Curfew.lnk" ]] || fail "no shortcut for all users"
quiet=$(value "$machine_uninstall_key" QuietUninstallString)
[[ $quiet == *'uninstall.exe" /S /AllUsers' ]] || fail "the machine's entry has no quiet command for all users: $quiet"
[[ -z $(value "$uninstall_key" DisplayName) ]] || fail "an installation for all users wrote the user's entry"
start_program "$everyone" first  # the language chosen went with the user's settings
wine "$probe" end-session "$title"
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program for all users did not end"
uninstall "$everyone/uninstall.exe" /S /AllUsers /RemoveData
[[ ! -e $everyone ]] || fail "the folder under Program Files is left: $(ls -R "$everyone")"
[[ ! -e "$(folder ProgramData)/Microsoft/Windows/Start Menu/Programs/Curfew.lnk" ]] || fail "the shortcut for all users is left"
[[ -z $(value "$machine_uninstall_key" DisplayName) ]] || fail "the machine's uninstall entry is left"
echo "PASS: installed, upgraded over $(basename "$older") keeping the user's schedule, language file and settings, and uninstalled for the user and for all users"
