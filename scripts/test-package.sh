#!/usr/bin/env bash
# Installs the library from build/ into a scratch prefix and builds a consumer project against it.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix/install" >/dev/null
cmake -S packaging/consumer -B "$prefix/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix/install" >/dev/null
cmake --build "$prefix/build" -j "${JOBS:-2}" >/dev/null
LD_LIBRARY_PATH="$prefix/install/lib:${LD_LIBRARY_PATH:-}" QT_QPA_PLATFORM=offscreen "$prefix/build/consumer" \
    "$prefix/install/lib/qml"
