#!/usr/bin/env bash
# The whole fault sweep of the radio link on virtual time: every trouble (stray bytes of four kinds,
# 1 to 40 of them, in front of, inside and every 5 ms up to 120 ms after a reply; replies 150 to
# 1000 ms late; silent frames, also the last frame silent after a late reply; a wrong byte; the line
# closed) at every frame position of the read, read twice, write, write with backup, write with
# verification, tuning entry and alignment read and write, on a paced line byte by byte, a paced
# line that hands whole replies over as USB adapters do, and an unpaced one. Runs the slices in
# parallel and prints one summary table; exits 1 when any case broke the rules.
#   tools/fault-sweep.sh [BUILD_DIR] [JOBS] [--scope sample]    (default: build, the number of cores)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
JOBS=${2:-$(nproc)}
SCOPE=${3:---scope full}
SWEEP="$BUILD/bin/vpxds-faultsweep"
[ -x "$SWEEP" ] || { echo "build first: $SWEEP is missing" >&2; exit 1; }
OUT=$(mktemp)
trap 'rm -f "$OUT"' EXIT

ops=(read read-twice write write-backup write-verify tune align-read align-write)
lines=(paced-bytes paced-burst unpaced-bytes)
start=$(date +%s)
for op in "${ops[@]}"; do
    for line in "${lines[@]}"; do
        for ((i = 0; i < JOBS; i++)); do echo "--op $op --line $line $SCOPE --slice $i/$JOBS"; done
    done
done | xargs -P "$JOBS" -I{} sh -c "\"$SWEEP\" {}" >> "$OUT"
echo "$(wc -l < "$OUT") cases in $(( $(date +%s) - start )) s"
"$SWEEP" --summary < "$OUT"
