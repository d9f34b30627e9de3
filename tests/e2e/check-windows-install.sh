#!/bin/sh
# The Windows installer under Wine, as a player meets it: a silent install
# for the current user writes the game, its Start menu entry and its entry in
# the list of installed programs; the installed game is played by the
# real-window test; a silent uninstall leaves nothing the installer wrote.
# Usage: check-windows-install.sh SETUP.EXE BUILD   (WINEPREFIX set; BUILD is
# the build with the real-window test; the screen reader's client is taken
# from the Windows build beside SETUP.EXE, tests/wine/klikoman-reader.exe)
set -eu
setup=$1
build=$2
wine=${WINE:-/usr/lib/wine/wine64}
wineserver=${WINESERVER:-/usr/lib/wine/wineserver64}
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Klikoman'
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
failed=0
check() {  # check WHAT COMMAND...: says ok or FAIL
    what=$1
    shift
    if "$@" >/dev/null 2>&1; then echo "ok   $what"; else echo "FAIL $what"; failed=1; fi
}
gone() { ! "$@"; }
user=$WINEPREFIX/drive_c/users/$(id -un)
folder=$user/AppData/Local/Programs/Klikoman
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Klikoman.lnk"
registered() { "$wine" reg query "$key" /v "$1" 2>/dev/null | grep -q "$2"; }

"$wine" wineboot --init >/dev/null 2>&1
"$wine" "$setup" /S
check "the game is installed in the user's programs folder" test -f "$folder/klikoman.exe"
check "with its licences and README" test -f "$folder/LICENSE.txt" -a -f "$folder/README.txt" \
    -a -f "$folder/licenses/GCC-runtime.txt" -a -f "$folder/licenses/MinGW-w64-runtime.txt"
check "the Start menu has its entry" test -f "$shortcut"
for value in "DisplayName Klikoman" "DisplayVersion $("$(dirname "$0")/../../scripts/version")" "Publisher Klikoman" \
    "DisplayIcon klikoman.exe,0" "UninstallString uninstall.exe" "EstimatedSize 0x"; do
    check "installed programs list it with its $value" registered $value
done

# Wine's session, started here with no display, must end before the game
# starts on the test's display, or its windows go to none.
"$wineserver" -w
reader=$(cd "$(dirname "$setup")" && pwd)/tests/wine/klikoman-reader.exe
# Built with the game: without it the reader's checks would pass unseen.
check "the reader's client is built beside the installer" test -f "$reader"
KLIKOMAN_BACKEND=wine KLIKOMAN_EXE=$folder/klikoman.exe KLIKOMAN_READER=$reader \
    ctest --test-dir "$build" -R '^e2e$' --output-on-failure || failed=1

# The uninstaller copies itself away and returns at once; the folder going
# is the sign that it has finished.
"$wine" "$folder/uninstall.exe" /S
for _ in $(seq 60); do [ -e "$folder" ] || break; sleep 1; done
check "the uninstaller removes the folder" gone test -e "$folder"
check "and the Start menu entry" gone test -e "$shortcut"
check "and the entry in installed programs" gone "$wine" reg query "$key"
exit $failed
