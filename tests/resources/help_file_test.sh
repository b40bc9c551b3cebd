#!/usr/bin/env bash
# The built Help.chm is a compiled help file that holds every page of resources/help, its
# contents tree and its index, and every page the contents names.
# Usage: help_file_test.sh HELP_CHM HELP_SOURCES_FOLDER
set -euo pipefail
chm=$1
sources=$2
listing=$(enum_chmLib "$chm") || { echo "FAIL: enum_chmLib cannot read $chm as a CHM file"; exit 1; }
missing=0
for page in "$sources"/*.html contents.hhc index.hhk; do
  name=$(basename "$page")
  if ! grep -q "[[:space:]]/$name\$" <<<"$listing"; then
    echo "FAIL: $name is not in the help file"
    missing=1
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
extract_chmLib "$chm" "$work" >/dev/null
for local in $(grep -o 'name="Local" value="[^"]*"' "$work/contents.hhc" | sed 's/.*value="//; s/"$//'); do
  [[ -f $work/$local ]] || { echo "FAIL: the contents name $local, which the file lacks"; missing=1; }
done
topics=$(grep -c 'name="Local"' "$work/contents.hhc")
keywords=$(grep -c 'name="Local"' "$work/index.hhk")
(( topics >= 9 && keywords >= 9 )) || { echo "FAIL: $topics topics and $keywords index entries"; missing=1; }
(( missing == 0 )) && echo "PASS: Help.chm holds every page, $topics topics in its contents and $keywords index entries"
