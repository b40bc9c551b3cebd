#!/usr/bin/env bash
# The first start of curfew.exe for a user who has never chosen a language: the language
# dialog comes first, modal, before the main window; once it is closed the main window opens.
# Usage: app_first_start_end_to_end.sh CURFEW_EXE PROBE_EXE   (WINEPREFIX: the test prefix)
set -euo pipefail
source "$(dirname "$0")/installed_program.sh" "$@"
wine reg delete 'HKCU\Software\Curfew Team\Curfew\Settings' /v Language /f </dev/null >/dev/null 2>&1
main="Curfew by Curfew Team"

wine "$program/curfew.exe" </dev/null >/dev/null 2>&1 &
program_pid=$!
wine "$probe" wait-window "Language Selection" 30 || fail "no language dialog on the first start"
sleep 1
if wine "$probe" visible "$main"; then fail "the main window came before the language was chosen"; fi
wine "$probe" click "Language Selection" "OK" || fail "no OK button in the language dialog"
wine "$probe" wait-window "$main" 20 || fail "the main window did not follow the language dialog"
wine "$probe" end-session "$main"
timeout 30 tail --pid="$program_pid" -f /dev/null || fail "the program did not end with the session"
echo "PASS: the first start asked for the language before showing the main window"
