#!/bin/sh
# wine-stop.sh PREFIX -- ends the Wine server and the virtual display of a test run.
KELVOR_PREFIX=$1
. "$(dirname "$0")/wine-env.sh"
"$WINESERVER" -k 2>/dev/null
"$WINESERVER" -w 2>/dev/null
if [ -f "$WINEPREFIX.xvfb" ]; then kill "$(cat "$WINEPREFIX.xvfb")" 2>/dev/null; fi
rm -f "$WINEPREFIX.xvfb" "$WINEPREFIX.display"
exit 0
