#!/bin/sh
# Runs a test program as the unprivileged user nobody when started as root, and as it is
# otherwise. The program is run from a copy in a fresh temporary folder, since nobody may
# not be able to reach the build folder.
set -eu
if [ "$(id -u)" != 0 ]; then
    exec "$@"
fi
program=$1
shift
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$program" "$copy/"
chmod 755 "$copy"
cd "$copy"
setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$copy/$(basename "$program")" "$@"
