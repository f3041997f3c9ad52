#!/bin/sh
# Both programs as assistive technology sees them: on a private session bus
# with the accessibility bus running, every window, push button, cell, list
# and text box they show on the way from the start screen to a solved board
# and through the editor's windows must have a name and the right role.
#   atspi_walk.sh <vud2> <vudeditor>
# Run under xvfb-run. Exits 77 (skipped) only when the buses cannot start.
command -v dbus-run-session >/dev/null 2>&1 || { echo "SKIP: no dbus-run-session"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: no at-spi-bus-launcher"; exit 77; }
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/atspi_walk.py" "$@"
