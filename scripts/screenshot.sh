#!/usr/bin/env bash
# Takes a picture of the main window in each language under a virtual X server (Xvfb) and measures the
# time from starting the program to its first painted main window.
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
# Writes docs/main-window-zh.png, docs/main-window-en.png and prints the start-up times (median of 5).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
PROGRAM="$BUILD/bin/vpxds"
[ -x "$PROGRAM" ] || { echo "build the program first: $PROGRAM is missing" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is missing (scripts/deps.sh installs it)" >&2; exit 1; }

WORK=$(mktemp -d)
DISPLAY_NUMBER=${SCREENSHOT_DISPLAY:-97}
Xvfb ":$DISPLAY_NUMBER" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
trap 'kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
export DISPLAY=":$DISPLAY_NUMBER" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ] && break
    sleep 0.1
done

mkdir -p docs
# One run: the program reports the moment its window was painted (epoch ms) and ends by itself.
run_once() {  # run_once APPDIR [--screenshot FILE]
    local start painted
    start=$(date +%s%3N)
    painted=$("$PROGRAM" --appdir "$@" --measure-startup 2>/dev/null | awk '/^painted-at-epoch-ms/ {print $2}')
    echo $((painted - start))
}

for lang in zh en; do
    dir="$WORK/$lang"
    mkdir -p "$dir"
    cp "$BUILD/bin/language.sys" "$dir/"
    if [ "$lang" = en ]; then printf '[language]\nlanguage=200000\n' > "$dir/system.ini"; fi
    printf '[computer]\ncom=com1\n' >> "$dir/system.ini"
    run_once "$dir" --screenshot "docs/main-window-$lang.png" >/dev/null
    times=()
    for _ in 1 2 3 4 5; do times+=("$(run_once "$dir")"); done
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
    echo "$lang: start to painted main window ${median} ms (runs: ${times[*]})"
done
echo "pictures: docs/main-window-zh.png docs/main-window-en.png"
