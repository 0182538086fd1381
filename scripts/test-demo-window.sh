#!/usr/bin/env bash
# Opens the demo in a real window on a virtual X display, lets it run, and checks the window's
# own screenshot is a real picture.
set -euo pipefail
cd "$(dirname "$0")/.."
unset QT_QPA_PLATFORM
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT
xvfb-run -a -s "-screen 0 1280x800x24" \
    build/examples/demo/nequora-demo --quit-after 2500 --window-screenshot "$shot" --drive >/dev/null
size=$(stat -c %s "$shot")
[ "$size" -gt 10000 ] || { echo "window screenshot is missing or blank ($size bytes)" >&2; exit 1; }
echo "demo window under Xvfb: OK ($size bytes)"
