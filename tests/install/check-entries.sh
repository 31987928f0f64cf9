#!/usr/bin/env bash
# Validates the desktop entries and the AppStream metainfo files in a folder; any error, warning or
# hint fails (a hint such as two main categories puts a program twice in the menu).
#   check-entries.sh PACKAGING_DIR
set -uo pipefail
dir=$1
status=0
shopt -s nullglob
entries=("$dir"/*.desktop)
metainfo=("$dir"/*.metainfo.xml)
if [[ ${#entries[@]} -ne 2 || ${#metainfo[@]} -ne 2 ]]; then
  echo "FAIL: expected two desktop entries and two metainfo files in $dir" >&2
  exit 1
fi
for file in "${entries[@]}"; do
  if ! out=$(desktop-file-validate "$file" 2>&1) || [[ -n $out ]]; then
    echo "FAIL: $file: $out" >&2
    status=1
  fi
done
for file in "${metainfo[@]}"; do
  if ! out=$(appstreamcli validate --strict --no-net --no-color "$file" 2>&1); then
    echo "FAIL: $file: $out" >&2
    status=1
  fi
done
exit $status
