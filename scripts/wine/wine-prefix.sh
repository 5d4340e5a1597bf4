#!/bin/sh
# wine-prefix.sh PREFIX -- makes a 64-bit Wine prefix for the programs once
# (made anew when its readiness mark, .kelvor-ready-N, names an older set-up):
# no window manager waits, caption buttons with their font.
set -eu
KELVOR_PREFIX=$1
. "$(dirname "$0")/wine-env.sh"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.kelvor-ready-2" ]; then
  rm -rf "$WINEPREFIX"
  # Without a display, so that no window and no server bound to one is left.
  (unset DISPLAY; "$WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&-)
  # Without a window manager Wine would wait 2 s whenever a window hides.
  (unset DISPLAY; "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    </dev/null >/dev/null 2>&1 9>&-)
  # Text files open in Notepad, as on Windows; Wine's prefix lacks that link.
  (unset DISPLAY; "$WINE" reg add 'HKCR\.txt' /ve /d txtfile /f </dev/null >/dev/null 2>&1 9>&-)
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # A server left from the set-up, started without a display, could not
  # create windows later.
  "$WINESERVER" -w
  touch "$WINEPREFIX/.kelvor-ready-2"
fi
