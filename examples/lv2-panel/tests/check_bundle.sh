#!/usr/bin/env bash
# Reads the bundled test plugin (no binary: lilv reads descriptions only) and checks that every
# port property reaches the panel: a log track, units, enumeration labels, a port group, a
# toggle and an output port as a read-only row; a port not for the user shows nothing.
set -euo pipefail
panel=$1
export LV2_PATH=$(cd "$(dirname "$0")" && pwd)
expected=$'group\tTest Synth
slider\tCutoff\t632 Hz\t0.500
choices\tWave\tSine|Saw|Square\tSaw
group\tEnvelope
slider\tAttack\t250 ms\t0.249
switch\tHold\ton
readout\tLevel\t-60.0 dB'
actual=$("$panel" --describe urn:nequora:test)
[ "$actual" = "$expected" ] || { printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$actual" >&2; exit 1; }
echo "test plugin panel as expected"
