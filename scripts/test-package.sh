#!/usr/bin/env bash
# Installs the library from build/ into a scratch prefix and uses it as another project would:
# versioned libraries that find each other, a QML module with type information, and a consumer
# project built against the package. Nothing here sets LD_LIBRARY_PATH: the installed files
# must find each other on their own.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/install
cmake --install build --prefix "$prefix" >/dev/null
unset LD_LIBRARY_PATH

fail() { echo "test-package: $*" >&2; exit 1; }

# Versioned shared objects, and a run path relative to their own location.
for lib in NequoraUI NequoraPlatform NequoraSim; do
    readelf -d "$prefix/lib/lib$lib.so" | grep -q "SONAME.*\[lib$lib\.so\.1\]" || fail "lib$lib has no versioned SONAME"
done
readelf -d "$prefix/lib/libNequoraUI.so" | grep -q 'RUNPATH.*\$ORIGIN' || fail "libNequoraUI has no \$ORIGIN run path"

# The Designer plugin, below Qt's plugin folder relative to the prefix, finds the platform
# library from there.
designer_plugin=$(find "$prefix/lib" -path '*/qt6/plugins/designer/*.so')
[ -n "$designer_plugin" ] || fail "no Designer plugin below $prefix/lib/*/qt6/plugins/designer"
readelf -d "$designer_plugin" | grep -q 'RUNPATH.*\$ORIGIN' || fail "the Designer plugin has no \$ORIGIN run path"

# Tooling sees the module's types: a document using the pad lints clean.
qml_dir=$prefix/lib/qml
grep -q '^typeinfo NequoraUI.qmltypes$' "$qml_dir/NequoraUI/qmldir" || fail "qmldir has no typeinfo line"
/usr/lib/qt6/bin/qmllint -I "$qml_dir" packaging/consumer/pad.qml || fail "qmllint reports problems in pad.qml"

# The README's code blocks marked "<!-- file: NAME -->" become files of the consumer project.
snippets=$work/readme
mkdir -p "$snippets"
awk -v dir="$snippets" '
    /^<!-- file: [^ ]+ -->$/ { name = $3; next }
    name != "" && /^```/ { if (open) { open = 0; name = "" } else open = 1; next }
    open { print > (dir "/" name) }
' README.md
for file in widget-app.cpp MyEngine.h; do
    [ -s "$snippets/$file" ] || fail "README has no code block for $file"
done

cmake -S packaging/consumer -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    -DREADME_SNIPPETS="$snippets" -DNEQUORAUI_SOURCE_DIR="$PWD" >/dev/null
cmake --build "$work/build" -j "${JOBS:-2}" >"$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; fail "the consumer project does not build"; }

export QT_QPA_PLATFORM=offscreen
"$work/build/consumer"
"$work/build/forms" || fail "the library's forms do not build their widgets"
echo "forms: every resources/*.ui compiles and sets up against the package"
"$work/build/designer-check" "$designer_plugin"
QML_IMPORT_PATH=$qml_dir timeout 60 "$work/build/qml-app" packaging/consumer/pad.qml
# The widget app runs until it is closed: still running after a few seconds means it started.
status=0
timeout 5 "$work/build/widget-app" || status=$?
[ "$status" -eq 124 ] || fail "the README's widget app exited with status $status"
echo "widget-app: runs"
