#!/bin/sh
# Installs what the build, the tests and the benchmarks need, from Debian's packages only.
# Quiet and quick when everything is already there. With --fuzz, also clang and its libFuzzer
# and sanitizer runtimes for `make fuzz`.
set -eu

packages="build-essential cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
libbenchmark-dev clang-format zlib1g-dev libpng-dev kbd console-data cc65 acme pasmo nasm"
# The Debian package: built with dpkg-dev, its desktop entry and metadata checked by the tests.
packages="$packages dpkg-dev desktop-file-utils appstream"
# The clipboard and typing test: an X server of its own, xclip and xdotool; the benchmark of
# pointer moves on a real X server also needs a window manager.
packages="$packages xvfb xclip xdotool openbox"
if [ "${1:-}" = "--fuzz" ]; then
    shift
    packages="$packages clang libclang-rt-14-dev"
fi
[ $# -gt 0 ] && packages="$packages $*"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
