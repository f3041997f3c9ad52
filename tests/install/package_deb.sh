#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its name, its dependencies
# and its contents.
# Usage: package_deb.sh <build folder> <package folder> <expected file name>
set -euo pipefail
build=$1
out=$2
name=$3
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log"; fail "cpack"; }
deb=$out/$name
[ -f "$deb" ] || fail "no $name in $out: $(ls "$out")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# From the binaries (CPack's shlibdeps) and the run-time needs stated by hand.
for package in libqt6widgets6 libqt6multimedia6 libc6 fonts-liberation qt6-image-formats-plugins; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/vud2 ./usr/bin/vudeditor ./usr/share/vud/gifs/inicio.gif ./usr/share/vud/sonidos/fin.wav \
    ./usr/share/applications/org.vud.vud2.desktop ./usr/share/applications/org.vud.vudeditor.desktop \
    ./usr/share/metainfo/org.vud.vud2.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/org.vud.vud2.png \
    ./usr/share/man/man6/vud2.6.gz ./usr/share/doc/vud/copyright; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done
for language in es ca gl eu fr pt it de; do
    for file in ./usr/share/man/$language/man6/vud2.6.gz ./usr/share/man/$language/man1/vudeditor.1.gz; do
        grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
    done
done
for language in en ca gl eu fr pt it de; do
    file=./usr/share/vud/translations/vud_$language.qm
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done
for file in ./usr/share/vud/translations/qt_gl.qm ./usr/share/vud/translations/qt_eu.qm; do
    grep -qxF "$file" <<<"$contents" || fail "$file is not in the package"
done
# Only what the build made: no puzzle saved while trying the programs, and
# nothing of the tests.
grep -E 'tst_|dibujo\.(bmp|txt)$' <<<"$contents" && fail "test files or saved puzzles in the package"
echo "PASS: $name, $(du -k "$deb" | cut -f1) KiB"
