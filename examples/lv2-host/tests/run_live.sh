#!/usr/bin/env bash
# Starts a JACK server of its own on the dummy backend (no sound card, no real-time rights),
# runs the live test against it and stops the server by its PID.
set -euo pipefail
test_binary=$1
name="nequora-test-$$"
# A loaded machine running sanitized code can overrun a cycle now and then; a long client
# timeout keeps the server from dropping the test's client for it.
jackd --no-realtime -t 10000 -n "$name" -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true' EXIT
export JACK_DEFAULT_SERVER=$name
# A busy machine can take a while to bring the server up; give up only after 30 s.
jack_wait -s "$name" -w -t 30 >/dev/null 2>&1
"$test_binary"
