#!/bin/sh
# Installs what is missing, builds, and opens the program on a fresh copy of a demo Velomar
# folder, so that nothing in the repository changes.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)
scripts/build.sh
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to open the window on: run this from a desktop session." >&2
    exit 1
fi
folder=$(mktemp -d "${TMPDIR:-/tmp}/velomar-demo.XXXXXX")
cp -r samples/velomar/. "$folder"
echo "Demo Velomar folder: $folder"
cd "$folder"
exec "$top/build/app/sorika"
