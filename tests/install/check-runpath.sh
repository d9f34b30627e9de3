#!/bin/sh
# No program the build makes may carry a run path with an empty or relative
# entry: the dynamic loader reads those as the current folder, so a library
# planted where the game is started would run inside it.
# Usage: check-runpath.sh BUILD_DIR
set -u
failed=0
checked=0
for f in $(find "$1" -type f -perm -u+x ! -name '*.sh'); do
    readelf -h "$f" >/dev/null 2>&1 || continue
    checked=$((checked + 1))
    paths=$(readelf -d "$f" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
    [ -n "$paths" ] || continue
    # Only absolute entries and ones from the program's own folder are safe.
    unsafe=$(printf '%s\n' "$paths" | tr ':' '\n' | while IFS= read -r entry; do
        case "$entry" in /* | '$ORIGIN'*) ;; *) echo "unsafe" ;; esac
    done)
    if [ -n "$unsafe" ]; then
        echo "FAIL: $f has the run path [$paths]"
        failed=1
    fi
done
[ "$checked" -gt 0 ] || { echo "FAIL: no program found under $1"; exit 1; }
echo "checked $checked programs"
exit $failed
