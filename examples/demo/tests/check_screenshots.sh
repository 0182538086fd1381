#!/usr/bin/env bash
# Renders every demo page offscreen and checks each printed path is a real, non-blank PNG.
set -euo pipefail
demo=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mapfile -t pages < <("$demo" --screenshot "$dir" | grep '\.png$')
[ "${#pages[@]}" -eq 4 ] || { echo "expected 4 pages, got ${#pages[@]}: ${pages[*]}" >&2; exit 1; }
for page in "${pages[@]}"; do
    [ "$(head -c 8 "$page" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || { echo "$page is not a PNG" >&2; exit 1; }
    [ "$(stat -c %s "$page")" -gt 8000 ] || { echo "$page looks blank" >&2; exit 1; }
done
echo "rendered: ${pages[*]}"
