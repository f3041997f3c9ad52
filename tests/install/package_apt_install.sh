#!/usr/bin/env bash
# As root: installs the package with apt-get, starts /usr/bin/vud2 and
# /usr/bin/vudeditor in the X session and checks that each shows its first
# window, then removes the package, whatever happened.
# Usage: package_apt_install.sh <package file> <smoke.sh>   (run inside xvfb-run)
# Exits 77 (skipped) when not root or when vud is already installed here.
set -uo pipefail
deb=$(realpath "$1")
smoke=$2
fail() { echo "FAIL: $*"; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a package needs root"
    exit 77
fi
# The marker says that this test installed the package: a run cut off before
# it could remove it (killed at its time limit) is cleaned up by the next.
marker=/var/tmp/vud-package-test.installed
purge() { DEBIAN_FRONTEND=noninteractive dpkg --purge vud >"$1" 2>&1 || cat "$1"; rm -f "$marker"; }
if dpkg-query -W -f='${Status}' vud 2>/dev/null | grep -q 'installed'; then
    if [ -e "$marker" ]; then
        purge /dev/null
    else
        echo "SKIP: a vud package is already installed on this machine; it is left alone"
        exit 77
    fi
fi

work=$(mktemp -d)
remove() {
    purge "$work/remove.log"
    rm -rf "$work"
}
trap remove EXIT
trap 'exit 1' INT TERM HUP
touch "$marker"

# Everything the package needs is installed by the set-up script already: a
# dry run must show the package alone to install, so that nothing is fetched
# from the network.
apt-get install -s -o DPkg::Lock::Timeout=120 "$deb" >"$work/plan.log" 2>&1 || { cat "$work/plan.log"; fail "apt-get install -s"; }
others=$(grep '^Inst ' "$work/plan.log" | grep -v '^Inst vud ' || true)
[ -z "$others" ] || fail "dependencies that are not installed yet: $others"
DEBIAN_FRONTEND=noninteractive apt-get install -y -o DPkg::Lock::Timeout=120 "$deb" \
    >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install"; }
[ -x /usr/bin/vud2 ] && [ -x /usr/bin/vudeditor ] || fail "the programs are not in /usr/bin"

export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
cd "$work"
"$smoke" /usr/bin/vud2 "VUD 2.0" 531 527 || fail "vud2 from /usr/bin"
"$smoke" /usr/bin/vudeditor "VUD editor 1.0" 519 346 || fail "vudeditor from /usr/bin"

trap - EXIT
remove
[ ! -e /usr/bin/vud2 ] && [ ! -e /usr/share/vud ] || fail "the package left files behind"
echo "PASS: installed with apt-get, both programs showed their windows from /usr/bin, removed"
