#!/usr/bin/env bash
# expect.sh EXIT REGEX COMMAND...: runs COMMAND and passes when it exits with EXIT and its
# output (stdout and stderr) matches REGEX.
expected=$1 pattern=$2
shift 2
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" -ne "$expected" ]; then
    echo "expected exit code $expected, got $status" >&2
    exit 1
fi
if ! grep -Eq -- "$pattern" <<<"$output"; then
    echo "output does not match: $pattern" >&2
    exit 1
fi
