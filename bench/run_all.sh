#!/bin/sh
# Runs every benchmark of the build once, under a real X server (Xvfb) with a
# window manager, and prints their figures. The benchmarks report; none of
# them judges, so a slow run still ends with status 0.
#   bench/run_all.sh [build folder] [pairs]     (defaults: build, 9)
# The pairs go to the benchmarks that take a pair count (`--pairs n`, or a
# first argument `[pairs]` in their usage line); the others run with their
# own defaults (their first argument is a record count).
# Run it on a quiet machine: every figure is a median of alternating pairs,
# but a busy machine still widens them.
set -u
build=${1:-build}
pairs=${2:-9}
bench=$(cd "$build/bench" 2>/dev/null && pwd) || { echo "no benchmarks in $build/bench: build them first"; exit 1; }

if [ -z "${KENNORA_BENCH_X:-}" ]; then
    export KENNORA_BENCH_X=1
    exec xvfb-run -a -s "-screen 0 1920x1080x24" sh "$0" "$build" "$pairs"
fi

unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
src=$(cd "$(dirname "$0")" && pwd)
for program in "$bench"/bench_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    name=$(basename "$program")
    [ -f "$src/$name.cpp" ] || continue # left in the build folder by an older tree
    echo "== $name"
    if grep -q -- "Usage: $name .*--pairs" "$src/$name.cpp" 2>/dev/null; then
        "$program" --pairs "$pairs" || echo "   ($name could not run: status $?)"
    elif grep -q -- "Usage: $name \[pairs\]\|^//   $name \[pairs\]" "$src/$name.cpp" 2>/dev/null; then
        "$program" "$pairs" || echo "   ($name could not run: status $?)"
    else
        "$program" || echo "   ($name could not run: status $?)"
    fi
    echo
done
kill "$wm" 2>/dev/null
exit 0
