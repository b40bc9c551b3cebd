#!/usr/bin/env bash
# Runs the caption fit test with the system at another DPI, in a throwaway copy of the test
# prefix (the prepared one stays at 96).
#   caption_fit_at_dpi.sh TESTS_EXE DPI
set -euo pipefail
tests=$1
dpi=$2
source "$(dirname "$0")/throwaway_prefix.sh"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
CURFEW_EXPECTED_DPI=$dpi wine "$tests" --gtest_filter='Win32CaptionFit.*'
