#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; quick when all are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
    qml6-module-qtqml qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qt6-tools-dev qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-layouts
    libgl-dev libegl-dev libxkbcommon-dev
    libsndfile1-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-qpa-plugins fonts-dejavu-core locales xvfb xauth
    liblilv-dev x42-plugins zam-plugins jackd2 libjack-jackd2-dev
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    # sudo drops the caller's environment, so the variable goes through env: a package that asks
    # a debconf question (jackd2 does) must never wait for an answer.
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A locale with a decimal comma, so the tests can prove number texts ignore the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
