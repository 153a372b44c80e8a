#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite headless (the installation
# and the cpack package included), the Debian package with the core tests of its Release build, then
# the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors in
# every build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --timeout 600 -j "$(nproc)")
# Release, as Debian builds it: dpkg-buildpackage on a copy of the tracked files makes the Debian
# package from a Release build with Debian's build flags, where everything must build without a
# warning and the core tests run on the optimised code (debian/rules). lintian then checks that
# package and the cpack package of the same build; appstreamcli the AppStream data.
scripts/package.sh build-release
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVPX_GUI=OFF -DVPX_SANITIZE=ON -DVPX_WERROR=ON > /dev/null
cmake --build build-sanitize --parallel "$(nproc)"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --timeout 600 -j "$(nproc)" -L core)
