#!/bin/sh
# Creates the Wine prefix the tests run in ($WINEPREFIX), once: wineboot
# takes a while. A prefix whose creation was cut short is made again.
set -u
stamp="$WINEPREFIX/.initialised"
[ -e "$stamp" ] && exit 0
rm -rf "$WINEPREFIX"
wineboot --init || exit 1
# Waits until the registry is written out.
wineserver --wait
touch "$stamp"
echo "Wine prefix ready in $WINEPREFIX"
