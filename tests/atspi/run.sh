#!/bin/sh
# Runs check-atspi.py as a screen reader's client would meet the game: on an
# X server of its own, in a private D-Bus session. Exits 77 (skipped) where
# the tools are missing; install-deps installs them.
# Usage: run.sh GAME
set -u
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null 2>&1 ||
        { echo "SKIP: $tool is missing (Debian: xvfb xdotool dbus at-spi2-core)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: pyatspi is missing (Debian: python3-pyatspi)"; exit 77; }

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
# The accessibility bus keeps its socket below the home folder: a private one.
HOME=$home XDG_RUNTIME_DIR=$home DISPLAY=":$display" dbus-run-session -- /usr/bin/python3 -u "$here/check-atspi.py" "$1"
