#!/bin/sh
# wine-dpi.sh BASE PREFIX DPI -- a prefix like BASE whose programs are drawn at
# DPI dots per inch, on a virtual display of its own that is as much larger
# than 1024x768 as a screen of that resolution would be; then as wine-setup.sh.
set -eu
here=$(dirname "$0")
base=$1
KELVOR_PREFIX=$2
dpi=$3
. "$here/wine-env.sh"
sh "$here/wine-stop.sh" "$WINEPREFIX"
rm -rf "$WINEPREFIX"
cp -a "$base" "$WINEPREFIX"
# Read when the Wine server starts, which wine-setup.sh does after this.
(unset DISPLAY; "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  </dev/null >/dev/null 2>&1)
"$WINESERVER" -w
KELVOR_SCREEN="$((1024 * dpi / 96))x$((768 * dpi / 96))" exec sh "$here/wine-setup.sh" "$WINEPREFIX"
