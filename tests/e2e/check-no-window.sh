#!/bin/sh
# A start that cannot open a window, as a player meets it: no display, a
# display that does not answer, a platform that does not exist. Each must end
# with status 1, the game's own line first on stderr and Qt's reasons after
# it, with no abort and no core file, even where core files are on.
# Usage: check-no-window.sh GAME
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
ulimit -c unlimited 2>/dev/null || true
failed=0

expect() {  # expect LINE ENV...
    line=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" 2>err
    status=$?
    if [ "$status" -ne 1 ]; then
        echo "FAIL ($*): exit status $status, expected 1"; failed=1
    elif [ "$(head -n 1 err)" != "klikoman: cannot open a window: $line" ] ||
        ! tail -n +2 err | grep -q 'Qt platform plugin'; then
        echo "FAIL ($*): stderr was:"; sed 's/^/    /' err; failed=1
    elif ls core* >/dev/null 2>&1; then
        echo "FAIL ($*): left a core file"; failed=1
    else
        echo "ok ($*): $line"
    fi
}

expect "no display (DISPLAY is not set)"
expect "the display :97 does not answer" DISPLAY=:97
expect "the platform \"nowhere\" (QT_QPA_PLATFORM) cannot be used" DISPLAY=:97 QT_QPA_PLATFORM=nowhere
exit $failed
