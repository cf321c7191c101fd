#!/bin/sh
# Installs the Debian packages that building and testing need, and only those missing.
set -eu

packages="cmake ninja-build g++ libgtest-dev util-linux
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
    xvfb xauth openbox xdotool wmctrl x11-utils imagemagick"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
