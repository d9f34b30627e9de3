#!/bin/sh
# Runs one test built with the sanitizers, and runs it once more, only once,
# when it failed because LeakSanitizer's own tracer faulted as the process
# ended ("LeakSanitizer has encountered a fatal error", with no leak
# reported). The tracer stops every thread with ptrace to look for leaks;
# Qt's raster engine fills large areas on a thread pool of its own, whose
# threads are joined as the process ends, and a thread caught mid-exit can
# make the tracer fault. That says nothing about leaks: a second run does.
# A leak report, or any other failure, stands at once.
# Usage: lsan-retry.sh TEST [ARGUMENTS...]
out=$(mktemp)
trap 'rm -f "$out" "$out.status"' EXIT
for attempt in 1 2; do
    { "$@" 2>&1; echo "$?" >"$out.status"; } | tee "$out"
    status=$(cat "$out.status")
    [ "$status" -eq 0 ] && exit 0
    if ! grep -q 'LeakSanitizer has encountered a fatal error' "$out" ||
        grep -q 'ERROR: LeakSanitizer: detected memory leaks' "$out"; then
        exit "$status"
    fi
    [ "$attempt" -eq 1 ] && echo "lsan-retry: LeakSanitizer's tracer faulted, not a leak; once more"
done
exit "$status"
