#!/bin/sh
# Installs the build into a temporary DESTDIR and checks the tree a desktop
# needs: every file in place, the launcher entry and the AppStream metadata
# valid, and the launcher's Exec naming the installed program.
# Usage: check-install.sh BUILD_DIR
set -eu
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "check-install: $*" >&2; exit 1; }

for f in \
    games/klikoman \
    share/applications/klikoman.desktop \
    share/metainfo/com.example.klikoman.metainfo.xml \
    share/icons/hicolor/scalable/apps/klikoman.svg \
    share/icons/hicolor/16x16/apps/klikoman.png \
    share/icons/hicolor/22x22/apps/klikoman.png \
    share/icons/hicolor/24x24/apps/klikoman.png \
    share/icons/hicolor/32x32/apps/klikoman.png \
    share/icons/hicolor/48x48/apps/klikoman.png \
    share/icons/hicolor/64x64/apps/klikoman.png \
    share/icons/hicolor/128x128/apps/klikoman.png \
    share/icons/hicolor/256x256/apps/klikoman.png \
    share/man/man6/klikoman.6.gz \
    share/doc/klikoman/copyright \
    share/doc/klikoman/changelog.gz \
    share/doc/klikoman/PICTURE.md; do
    [ -f "$dest/usr/$f" ] || fail "missing /usr/$f"
done
[ -x "$dest/usr/games/klikoman" ] || fail "/usr/games/klikoman is not executable"
# Qt lives in the system's library folders: the installed game needs no run path.
! readelf -d "$dest/usr/games/klikoman" | grep -q 'R.*PATH' || fail "the installed game has a run path"

# A packager's build root may lack the validators: then they are skipped,
# saying so, not taken for a failure.
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$dest/usr/share/applications/klikoman.desktop" ||
        fail "klikoman.desktop does not validate"
else
    echo "check-install: desktop-file-validate is missing (desktop-file-utils): not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$dest/usr/share/metainfo/com.example.klikoman.metainfo.xml" ||
        fail "the metainfo does not validate"
else
    echo "check-install: appstreamcli is missing (appstream): not validated"
fi

exec_line=$(sed -n 's/^Exec=//p' "$dest/usr/share/applications/klikoman.desktop")
[ -x "$dest/usr/games/$exec_line" ] || fail "Exec=$exec_line is not an installed program"
grep -q '^Icon=klikoman$' "$dest/usr/share/applications/klikoman.desktop" || fail "wrong Icon"
grep -q 'Comment\[cs\]=' "$dest/usr/share/applications/klikoman.desktop" || fail "no Czech Comment"
grep -q '/doc/.*PICTURE\|Eileen Collins' "$dest/usr/share/doc/klikoman/PICTURE.md" ||
    fail "the picture's provenance is missing"
echo "check-install: the install tree is complete and valid"
