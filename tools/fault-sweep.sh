#!/usr/bin/env bash
# The whole fault sweep of the radio link: every fault of the simulated radio at every frame position of
# a code-plug read and write and of the alignment-data read and write, in process and over a
# pseudo-terminal, paced like a 9600-baud line and not, the read with --twice, the write with --backup
# --verify ("guarded") and entering the tuning mode. Runs the cases in parallel (most of their time is
# waiting on the line) and prints one summary table; exits 1 when any case broke the rules.
#   tools/fault-sweep.sh [BUILD_DIR] [JOBS]        (default: build, 16)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
JOBS=${2:-16}
SWEEP="$BUILD/bin/vpxds-faultsweep"
[ -x "$SWEEP" ] || { echo "build first: $SWEEP is missing" >&2; exit 1; }
OUT=$(mktemp)
trap 'rm -f "$OUT"' EXIT

runs=(
    "--op read" "--op read --paced" "--op read --paced --twice" "--op read --pty --paced"
    "--op write" "--op write --paced" "--op write --pty --paced"
    "--op tune" "--op tune --paced"
    "--op guarded" "--op guarded --paced"
    "--op align-read" "--op align-read --paced" "--op align-read --pty --paced"
    "--op align-write" "--op align-write --paced" "--op align-write --pty --paced"
)
start=$(date +%s)
for run in "${runs[@]}"; do
    for ((i = 0; i < JOBS; i++)); do echo "$run --slice $i/$JOBS"; done
done | xargs -P "$JOBS" -I{} sh -c "\"$SWEEP\" {}" >> "$OUT"
echo "$(wc -l < "$OUT") cases in $(( $(date +%s) - start )) s"
"$SWEEP" --summary < "$OUT"
