# Source this: replaces WINEPREFIX (the prepared test prefix) by a throwaway copy of it with a
# wineserver of its own, removed again when the script exits. $work is the copy's folder.
template=${WINEPREFIX:?the prepared test prefix}
work=$(mktemp -d)
export WINEPREFIX=$work/prefix
remove_throwaway_prefix() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap remove_throwaway_prefix EXIT
cp -a "$template" "$WINEPREFIX"
