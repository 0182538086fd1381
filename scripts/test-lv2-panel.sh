#!/usr/bin/env bash
# Renders the generated panels of two real LV2 plugins from x42-plugins (installed by setup.sh)
# and checks what they show: the equaliser's frequency sliders sit where a logarithmic track
# puts their defaults, and the autotuner's enumerations show their labels.
set -euo pipefail
cd "$(dirname "$0")/.."
panel=build/examples/lv2-panel/nequora-lv2-panel
[ -x "$panel" ] || { echo "$panel was not built (is liblilv-dev installed?)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

fail() { echo "lv2 panel: $*" >&2; exit 1; }

installed=$("$panel" --list)
grep -q "gareus.org/oss/lv2/fil4#mono" <<<"$installed" || fail "x42-eq is not listed"

eq=$("$panel" --describe --screenshot "$shots" "http://gareus.org/oss/lv2/fil4#mono")
# Highpass 20 Hz over 5 ... 1250 Hz: 0.251 of a logarithmic track, 0.012 of a linear one.
grep -qP '^slider\tHighpass Frequency\t20\.0 Hz\t0\.25[0-9]$' <<<"$eq" ||
    fail "Highpass Frequency is not on a logarithmic track: $(echo "$eq" | grep Highpass)"
# Lowshelf 80 Hz over 25 ... 400 Hz: 0.420 logarithmic, 0.146 linear.
grep -qP '^slider\tLowshelf Frequency\t80\.0 Hz\t0\.42[0-9]$' <<<"$eq" ||
    fail "Lowshelf Frequency is not on a logarithmic track"
grep -qP '^readout\tPeak\t' <<<"$eq" || fail "the Peak output port is not a read-only row"
png=$(echo "$eq" | grep '\.png$')
[ "$(stat -c %s "$png")" -gt 20000 ] || fail "$png looks blank"

tune=$("$panel" --describe "http://gareus.org/oss/lv2/fat1#scales")
grep -qP '^choices\tMode\tAuto\|MIDI\|Manual\tAuto$' <<<"$tune" ||
    fail "Mode does not show its labels: $(echo "$tune" | grep Mode)"
grep -qP '^picker\tScale\tChromatic$' <<<"$tune" || fail "Scale is not a picker row of labels"

if "$panel" --describe "urn:no-such-plugin" 2>"$shots/error"; then
    fail "an unknown plugin was accepted"
fi
grep -q "no installed LV2 plugin has the URI urn:no-such-plugin" "$shots/error" ||
    fail "unclear error for an unknown plugin: $(cat "$shots/error")"
echo "lv2 panels rendered: $png"
