#!/usr/bin/env bash
# Opens a graph file and an audio folder inside a folder named with bytes that are not UTF-8,
# and renders the pages into a folder there.
demo=$1 graph=$2 audio=$3 dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
odd=$dir/$'\xff\xfe'
mkdir "$odd" && cp "$graph" "$audio/Tone 440.wav" "$odd/" || exit 1
output=$("$demo" "$odd/$(basename "$graph")" --audio-dir="$odd" --verbose --drive --screenshot "$odd/shots" 2>&1)
LC_ALL=C grep -q '^load .*Tone 440.wav ([0-9.]* s)$' <<<"$output" || { printf '%s\n' "$output"; exit 1; }
[ -s "$odd/shots/graph.png" ] || { echo "no graph.png in the folder given"; ls -R "$dir"; exit 1; }
LC_ALL=C grep -qxF "$odd/shots/graph.png" <<<"$output" || { echo "the path printed is not the one written"; exit 1; }
