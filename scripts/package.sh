#!/usr/bin/env bash
# Builds the Debian package as Debian does and checks it: dpkg-buildpackage -us -uc -b on a copy of
# the tracked files (a Release build with Debian's build flags, warnings as errors, the core tests
# run on it), then lintian on that package and on the cpack package of the same build (errors and
# warnings fail), and appstreamcli on the AppStream data.
#   scripts/package.sh [OUTPUT_DIR]      (default: build-release; the packages land there)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=$(realpath -m "${1:-build-release}")
rm -rf "$OUT"
mkdir -p "$OUT/vpxds"
git ls-files -z | tar --null -T - -cf - | tar -xf - -C "$OUT/vpxds"
(cd "$OUT/vpxds" && VPX_WERROR=ON dpkg-buildpackage -us -uc -b -j"$(nproc)")
(cd "$OUT"/vpxds/obj-* && cpack -G DEB -B "$OUT/cpack" > /dev/null)
status=0
for deb in "$OUT"/vpxds_*.deb "$OUT"/cpack/*.deb; do
    echo "lintian $(basename "$(dirname "$deb")")/$(basename "$deb"):"
    lintian --fail-on error,warning --tag-display-limit 0 "$deb" || status=1
done
appstreamcli validate --no-net res/linux/com.vpxcommunications.vpxds.metainfo.xml || status=1
exit $status
