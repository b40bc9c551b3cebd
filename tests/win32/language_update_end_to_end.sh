#!/usr/bin/env bash
# The language update through WinINet against a local server: a complete answer replaces the
# file from its first "<" on with CR LF after it; a 404, a body over the limit, a transfer that
# breaks off and a refused connection leave the old file as it was.
# Usage: language_update_end_to_end.sh PROBE_EXE SERVER_PY   (WINEPREFIX: the test prefix)
set -euo pipefail
probe=$1
server=$2
work=$(mktemp -d)
python3 "$server" "$work" >"$work/port" &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/port ]] && break; sleep 0.1; done
port=$(cat "$work/port")
file=$work/Localization.xml
target=$(winepath -w "$file")
status=0

check() {  # NAME PATH STORED(yes/no) [EXPECTED_FILE]
  local name=$1 path=$2 stored=$3 want=${4:-}
  printf 'old' >"$file"
  local said
  said=$(wine "$probe" "http://127.0.0.1:$path" "$target" | tr -d '\r')
  if [[ $stored == yes ]]; then
    if cmp -s "$file" "$want"; then echo "ok: $name: $said"; return; fi
  elif [[ $(cat "$file") == old && ! -e $file.download ]]; then
    echo "ok: $name left the old file: $said"
    return
  fi
  echo "FAIL: $name: $said"
  status=1
}

check "a complete file" "$port/Languages/0/Localization.xml" yes "$work/full.xml"
check "a byte order mark and blank lines" "$port/bom" yes "$work/full.xml"
check "a file under 256 bytes" "$port/small" yes "$work/small.xml"
check "a 404" "$port/missing" no
check "a body over 64 MiB" "$port/large" no
check "a transfer that breaks off" "$port/broken" no
# A port nobody listens on: the connection is refused.
refused=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
check "a refused connection" "$refused/Languages/0/Localization.xml" no
(( status == 0 )) && echo "PASS: the language update through WinINet stores only complete answers"
exit $status
