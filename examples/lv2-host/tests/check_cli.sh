#!/usr/bin/env bash
# Bad input to the host: each case exits 2 with a message naming the fault and leaves no output
# file behind. Then an offline run with a factory preset, and the screen described without a
# server.
set -euo pipefail
host=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export JACK_DEFAULT_SERVER="nequora-no-server-$$" JACK_NO_START_SERVER=1
fil4='http://gareus.org/oss/lv2/fil4#mono'
"$(dirname "$1")/tests/make_sine" "$work/in.wav"

expect_refusal() { # message, then the arguments
    local message=$1 status=0
    shift
    "$host" "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] || { echo "exit $status, not 2, for: $*" >&2; cat "$work/err" >&2; exit 1; }
    grep -qF -- "$message" "$work/err" || { echo "no '$message' for: $*" >&2; cat "$work/err" >&2; exit 1; }
    if ls "$work"/result.wav* >/dev/null 2>&1; then echo "a file was left by: $*" >&2; exit 1; fi
}

expect_refusal "cannot read the audio file $work/missing.wav" --render "$work/missing.wav" "$work/result.wav" "$fil4"
expect_refusal "no installed LV2 plugin has the URI urn:nequora:none" --render "$work/in.wav" "$work/result.wav" urn:nequora:none
expect_refusal "needs the LV2 feature http://lv2plug.in/ns/ext/worker#schedule" --render "$work/in.wav" "$work/result.wav" 'http://gareus.org/oss/lv2/convoLV2#Mono'
expect_refusal "no plugin in the chain has a control input named volume" --render "$work/in.wav" "$work/result.wav" --set volume=1 "$fil4"
expect_refusal "24 is outside the range of gain (-18 to 18)" --render "$work/in.wav" "$work/result.wav" --set gain=24 "$fil4"
expect_refusal "cannot write the audio file $work/no/such/folder.wav" --render "$work/in.wav" "$work/no/such/folder.wav" "$fil4"
expect_refusal "no JACK server is running" "$fil4"
grep -qF -- "--render" "$work/err" || { echo "the missing server message does not name --render" >&2; exit 1; }

"$host" --render "$work/in.wav" "$work/result.wav" --preset 'urn:zamaudio:ZamComp#preset001' urn:zamaudio:ZamComp
[ -s "$work/result.wav" ] || { echo "the preset render wrote nothing" >&2; exit 1; }

screen=$("$host" --describe "$fil4")
grep -qP '^switch\tBypass\toff$' <<<"$screen" || { echo "no bypass switch: $screen" >&2; exit 1; }
grep -qP '^readout\tPeak\t-120' <<<"$screen" || { echo "no Peak meter row" >&2; exit 1; }
grep -qP '^picker\tPreset\t' <<<"$("$host" --describe urn:zamaudio:ZamComp)" || { echo "no preset row" >&2; exit 1; }
echo "host refuses bad input clearly and renders offline"
