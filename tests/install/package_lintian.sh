#!/usr/bin/env bash
# Runs lintian on the package: no error may be left, nor a warning about a man
# page; other warnings are listed.
# Usage: package_lintian.sh <package file>
set -uo pipefail
deb=$1
report=$(lintian --fail-on error --display-level '>=warning' "$deb" 2>&1)
status=$?
echo "$report"
if [ $status -ne 0 ] || grep -q '^E:' <<<"$report"; then
    echo "FAIL: lintian reports errors or did not run (exit $status)"
    exit 1
fi
# The man pages, in every language, leave no warning either.
if grep -q '^[EW]: .*usr/share/man/' <<<"$report"; then
    echo "FAIL: lintian warns about a man page"
    exit 1
fi
echo "PASS: no lintian errors, $(grep -c '^W:' <<<"$report") warnings"
