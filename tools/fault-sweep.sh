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
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT

# Every job writes its own file: jobs that share one output would interleave their buffered writes
# in the middle of lines, and the summary would count the torn lines as broken cases.
ops=(read read-twice write write-backup write-verify tune align-read align-write)
lines=(paced-bytes paced-burst unpaced-bytes)
start=$(date +%s)
for op in "${ops[@]}"; do
    for line in "${lines[@]}"; do
        for ((i = 0; i < JOBS; i++)); do echo "$op $line $i"; done
    done
done | xargs -P "$JOBS" -L 1 sh -c \
    "\"$SWEEP\" --op \"\$0\" --line \"\$1\" $SCOPE --slice \"\$2/$JOBS\" > \"$OUT/\$0.\$1.\$2\""
cat "$OUT"/* > "$OUT/all"
echo "$(wc -l < "$OUT/all") cases in $(( $(date +%s) - start )) s"
"$SWEEP" --summary < "$OUT/all"
