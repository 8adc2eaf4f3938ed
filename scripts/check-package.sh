#!/bin/sh
# Builds the Debian package from a build folder and holds it against what it must be: the files
# it installs (with their modes) against the expected list, its dependencies found from the
# binaries, the version of the binaries, and a desktop entry and metadata the desktop accepts.
# Usage: check-package.sh BUILD_FOLDER EXPECTED_LIST
set -eu
build=$1
expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/*.deb)

dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6, $1 }' |
    LC_ALL=C sort >"$work/contents"
diff -u "$expected" "$work/contents"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libqt6widgets6 zlib1g libpng16-16; do
    echo "$depends" | grep -q "$library" || { echo "no dependency on $library"; exit 1; }
done

version=$("$build/pixlore-convert" --version)
[ "pixlore-convert $(dpkg-deb --field "$deb" Version)" = "$version" ] ||
    { echo "the package's version is not the one of $version"; exit 1; }

dpkg-deb --extract "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/pixlore.desktop"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
echo "package contents as expected: $(basename "$deb")"
