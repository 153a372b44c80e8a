#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
set -euo pipefail
PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev qt6-base-dev qt6-serialport-dev
          qt6-translations-l10n libxlsxwriter-dev zlib1g-dev xvfb xauth fonts-noto-cjk)
# The report: a Ming face for Chinese reports whose PDF text reads back as drawn; the PDF tools for its tests.
PACKAGES+=(fonts-arphic-uming poppler-utils)
PACKAGES+=(python3-openpyxl) # the tests read exported alignment workbooks back with it
PACKAGES+=(libsqlite3-dev)   # the radio history
# The Debian package: dpkg-shlibdeps finds its dependencies (file tells it the programs);
# dpkg-buildpackage builds the source package with debhelper; lintian checks both packages and
# appstreamcli the AppStream data.
PACKAGES+=(dpkg-dev file build-essential debhelper lintian appstream)
# The user manual is built from Markdown with Python's markdown module.
PACKAGES+=(python3-markdown)
# Locales for the tests (below).
PACKAGES+=(locales)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A desktop locale with a decimal comma (the test that frequencies never follow the locale) and the
# Chinese locale the test programs run in (tests/support/TestLocale.cpp).
for locale in de_DE zh_CN; do
    if ! locale -a 2>/dev/null | grep -qi "^$locale\.utf-\?8$"; then
        echo "generating the locale $locale.UTF-8"
        $SUDO localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    fi
done
