#!/usr/bin/env bash
# Proves the real log-off path: in a throwaway copy of the test prefix with its own
# wineserver, a bystander program runs, the probe logs off with force, and then every
# process of that prefix, the wineserver included, must be gone.
# Usage: log_off_end_to_end.sh PROBE_EXE   (WINEPREFIX: the prepared test prefix to copy)
set -euo pipefail
probe=$1
source "$(dirname "$0")/throwaway_prefix.sh"

wine "$probe" --wait </dev/null >/dev/null 2>&1 &
bystander=$!
for _ in $(seq 1 100); do
  if pgrep -f 'log_off_probe.exe --wait' >/dev/null; then break; fi
  sleep 0.1
done

wine "$probe" </dev/null >/dev/null 2>&1 &
probe_pid=$!

# The log-off must end the session within a minute: the wineserver exits once every
# process of the prefix has ended.
if ! timeout 60 wineserver -w; then
  echo "FAIL: the session's processes still run a minute after the log-off"
  exit 1
fi
for pid in "$bystander" "$probe_pid"; do
  if ! timeout 10 tail --pid="$pid" -f /dev/null; then
    echo "FAIL: process $pid outlived the session"
    exit 1
  fi
done
echo "PASS: the forced log-off ended every process of the session"
