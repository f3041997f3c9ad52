#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves the prefix to another
# path, and starts both programs from there offscreen: they must run on the
# installed sample data, an editor save must land in the (temporary) user data
# folder, and the installed folder must stay as it was. In an X session the
# windows must also carry their menu entries' class and installed icon.
# Usage: install_relocated.sh <build folder> <tst_installed> <vud_sampledata>
set -euo pipefail
build=$1
driver=$2
generator=$3
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/first" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }
mv "$work/first" "$work/moved"
prefix=$work/moved

for file in bin/vud2 bin/vudeditor \
    share/applications/org.vud.vud2.desktop share/applications/org.vud.vudeditor.desktop \
    share/metainfo/org.vud.vud2.metainfo.xml share/man/man6/vud2.6.gz share/man/man1/vudeditor.1.gz \
    share/doc/vud/copyright share/doc/vud/changelog.gz share/mime/packages/vud.xml; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for icon in apps/org.vud.vud2 apps/org.vud.vudeditor mimetypes/application-x-vud; do
    grep -q '<svg' "$prefix/share/icons/hicolor/scalable/$icon.svg" || fail "no scalable $icon icon"
    for size in 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x${size}/$icon.png
        file -b "$png" | grep -q "PNG image data, $size x $size" || fail "$png: $(file -b "$png" 2>&1)"
    done
done
"$generator" --check "$prefix/share/vud" || fail "the installed sample data is incomplete"
for code in en ca gl eu fr pt it de; do
    [ -s "$prefix/share/vud/translations/vud_$code.qm" ] || fail "the $code translation is not installed"
done
# VUD's own translations of Qt's texts, for the languages Qt does not speak.
for code in gl eu; do
    [ -s "$prefix/share/vud/translations/qt_$code.qm" ] || fail "the $code translation of Qt's texts is not installed"
done

# Every language the programs speak besides the entries' own English: a man
# page of each program that man reads without a warning, the menu entries'
# name and comment, and the metadata's summary and description.
languages="es ca gl eu fr pt it de"
pages=(share/man/man6/vud2.6.gz share/man/man1/vudeditor.1.gz)
for language in $languages; do
    pages+=("share/man/$language/man6/vud2.6.gz" "share/man/$language/man1/vudeditor.1.gz")
    for desktop in org.vud.vud2 org.vud.vudeditor; do
        for key in Name GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=." "$prefix/share/applications/$desktop.desktop" \
                || fail "$desktop.desktop has no $key[$language]"
        done
    done
    for element in summary p; do
        grep -q "<$element xml:lang=\"$language\">" "$prefix/share/metainfo/org.vud.vud2.metainfo.xml" \
            || fail "the metadata has no $element in $language"
    done
done
for page in "${pages[@]}"; do
    [ -f "$prefix/$page" ] || fail "$page is not installed"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
done

snapshot() { (cd "$prefix/share" && find . -type f -print0 | sort -z | xargs -0 md5sum; find . | sort); }
before=$(snapshot)

export HOME=$work/home
export XDG_DATA_HOME=$work/home/.local/share
export XDG_DATA_DIRS=$work/no-system-data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

# Each program finds the installed translations from the moved prefix: an
# unknown --lang is answered with the languages it found (and a wrong option
# ends the game before any window).
for program in vud2 vudeditor; do
    option=--scan-pace=0
    [ "$program" = vud2 ] || option=--export-results
    said=$(LANGUAGE= LC_ALL=C "$prefix/bin/$program" --lang xx $option 2>&1 >/dev/null || true)
    echo "$said" | grep -q "unknown language xx, one of: es ca de en eu fr gl it pt$" \
        || fail "$program did not find the installed translations: $said"
done

# The programs themselves start from the moved prefix and keep running; just
# looking makes no user data folder.
for program in vud2 vudeditor; do
    "$prefix/bin/$program" >"$work/$program.log" 2>&1 &
    pids+=($!)
done
sleep 2
for i in 0 1; do
    kill -0 "${pids[$i]}" 2>/dev/null || { cat "$work"/*.log; fail "a program exited on its own"; }
    kill "${pids[$i]}"
    wait "${pids[$i]}" 2>/dev/null || true
done
[ ! -e "$XDG_DATA_HOME/vud" ] || fail "starting the programs made $XDG_DATA_HOME/vud"

# Their windows, in a test program placed beside them, as they would be.
cp "$driver" "$prefix/bin/tst_installed"
"$prefix/bin/tst_installed" || fail "the installed windows"
rm "$prefix/bin/tst_installed"

[ -f "$XDG_DATA_HOME/vud/imagenes/mipuzle.bmp" ] || fail "the editor's save is not in the user's data folder"

# In an X session each program's window is tied to its menu entry: its class
# is the entry's StartupWMClass, and its icon the installed one, found as a
# desktop finds it through XDG_DATA_DIRS: the window offers exactly the sizes
# installed (the built-in icon has 16 to 64 pixels).
if [ -n "${DISPLAY:-}" ]; then
    for entry in "vud2:VUD 2.0" "vudeditor:VUD editor 1.0"; do
        program=${entry%%:*}
        title=${entry#*:}
        desktop=$prefix/share/applications/org.vud.$program.desktop
        wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
        [ -n "$wmclass" ] || fail "$desktop has no StartupWMClass"
        XDG_DATA_DIRS="$prefix/share:/usr/share" QT_QPA_PLATFORM=xcb "$prefix/bin/$program" >"$work/$program-x11.log" 2>&1 &
        pid=$!
        pids+=("$pid")
        window=""
        for _ in $(seq 1 100); do
            window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
            [ -n "$window" ] && break
            kill -0 "$pid" 2>/dev/null || { cat "$work/$program-x11.log"; fail "$program exited in the X session"; }
            sleep 0.1
        done
        [ -n "$window" ] || fail "no window of $program in the X session"
        class=$(xprop -id "$window" WM_CLASS)
        echo "$program: $class; the menu entry's StartupWMClass is $wmclass"
        [ "$class" = "WM_CLASS(STRING) = \"$program\", \"$wmclass\"" ] || fail "$program's window class is not the menu entry's"
        sizes=$(xprop -len 4000000 -id "$window" _NET_WM_ICON | sed -n 's/^.*Icon (\([0-9]*\) x [0-9]*).*$/\1/p' | sort -n | tr '\n' ' ')
        installed=$(cd "$prefix/share/icons/hicolor" && ls -d [0-9]*x[0-9]*/apps/org.vud.$program.png | sed 's/x.*//' | sort -n | tr '\n' ' ')
        echo "$program's window icon: sizes $sizes; installed: $installed"
        [ -n "$installed" ] && [ "$sizes" = "$installed" ] || fail "$program's window does not show the installed icon"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
else
    echo "NOTE: no X display; the windows' class and icon are not checked"
fi
[ "$(snapshot)" = "$before" ] || fail "the installed folder changed"

# The desktop knows an exported puzzle file by the installed type, and offers
# the game for it. The type database is built in a copy, as the package's
# trigger builds it.
if command -v xdg-mime >/dev/null && command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
    mkdir -p "$work/desktop/mime/packages"
    cp "$prefix/share/mime/packages/vud.xml" "$work/desktop/mime/packages/"
    update-mime-database "$work/desktop/mime"
    cp -r "$prefix/share/applications" "$work/desktop/"
    type=$(XDG_DATA_DIRS=$work/desktop XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$work/home/.local/share/mipuzle.vud")
    [ "$type" = application/x-vud ] || fail "the exported puzzle file is of type '$type', not application/x-vud"
    grep -q '^MimeType=application/x-vud;' "$prefix/share/applications/org.vud.vud2.desktop" \
        || fail "vud2's menu entry does not open puzzle files"
    # Both entries declare the type; with no default set by the user or the
    # desktop, the first in the desktop database's list opens it: the game.
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database "$work/desktop/applications"
        default=$(XDG_DATA_DIRS=$work/desktop XDG_CURRENT_DESKTOP=GNOME HOME=$work/home \
            XDG_CONFIG_HOME=$work/home/.config xdg-mime query default application/x-vud)
        [ "$default" = org.vud.vud2.desktop ] || fail "a puzzle file opens with '$default', not the game"
    fi
else
    echo "xdg-mime, update-mime-database or gio missing: the puzzle file type is not checked"
fi
echo "PASS: installed into a moved prefix; sample data found; the save went to \$XDG_DATA_HOME/vud"
