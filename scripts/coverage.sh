#!/usr/bin/env bash
# Builds the tests with gcov instrumentation, runs them and prints line and branch coverage of
# the library (src/), the platform layer (platform/) and the SDK with its simulation (sdk/).
# Pass --files for a per-file table.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if ! command -v gcovr >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends gcovr >/dev/null
fi

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

build=build-coverage
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNEQUORAUI_COVERAGE=ON \
    -DNEQUORAUI_BUILD_BENCHMARKS=OFF -DNEQUORAUI_BUILD_EXAMPLES=OFF >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" -j "${JOBS:-2}" --output-on-failure >/dev/null

# Branches that only exist for exception unwinding, or that the compiler proved unreachable,
# are not decisions in our code.
gcovr_args=(-r . "$build" --filter 'src/' --filter 'platform/' --filter 'sdk/'
    --exclude-unreachable-branches --exclude-throw-branches)
# A header is reached by its own path and through the build tree's mirror of the installed
# layout (cmake/HeaderMirror.cmake): its counts are merged under its own path.
gcovr "${gcovr_args[@]}" --json --output "$build/coverage.json"
python3 - "$build/coverage.json" <<'PY'
import json, os, sys
path = sys.argv[1]
with open(path) as file:
    data = json.load(file)
for entry in data["files"]:
    entry["file"] = os.path.relpath(os.path.realpath(entry["file"]))
with open(path, "w") as file:
    json.dump(data, file)
PY
report_args=(-r . --add-tracefile "$build/coverage.json")
if [ "${1:-}" = "--files" ]; then
    gcovr "${report_args[@]}" --branches
fi
gcovr "${report_args[@]}" --print-summary --output /dev/null
