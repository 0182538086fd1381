#!/usr/bin/env bash
# Builds and runs every test: a normal build, then the same tests under AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer, then the demo in a real window under Xvfb and a
# consumer project built against the installed package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=${JOBS:-2}
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

echo "== Build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

echo "== Sanitizers (address, undefined behaviour) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNEQUORAUI_SANITIZE=ON \
    -DNEQUORAUI_BUILD_BENCHMARKS=OFF -DNEQUORAUI_BUILD_EXAMPLES=OFF >/dev/null
cmake --build build-asan -j "$jobs"
# Leak detection stays on; only system libraries' one-time caches are suppressed.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan -j "$jobs" --output-on-failure

for extra in scripts/test-*.sh; do
    [ -f "$extra" ] || continue
    echo "== $(basename "$extra" .sh) =="
    bash "$extra"
done
