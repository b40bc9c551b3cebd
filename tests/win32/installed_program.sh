# Source this from an end-to-end script called with CURFEW_EXE PROBE_EXE (WINEPREFIX: the
# prepared test prefix): a throwaway copy of the prefix (throwaway_prefix.sh) with curfew.exe
# installed as a user would have it, in C:\Curfew with its language file and an empty data
# folder. Sets curfew, probe and program, and defines fail MESSAGE, which ends the test.
curfew=$1
probe=$2
source "$(dirname "${BASH_SOURCE[0]}")/throwaway_prefix.sh"
program=$WINEPREFIX/drive_c/Curfew
mkdir -p "$program/data"
cp "$curfew" "$program/curfew.exe"
cp "$(dirname "$curfew")/Localization.xml" "$program/"

fail() {
  echo "FAIL: $*"
  exit 1
}
