#!/bin/sh
# wine-setup.sh PREFIX -- makes the Wine prefix of a test run once, starts a
# virtual display and one Wine server that stays for the whole run.
set -eu
here=$(dirname "$0")
. "$here/wine-env.sh" "$1"

exec 9>"$WINEPREFIX.lock"
flock 9

if [ ! -f "$WINEPREFIX/.kelvor-ready" ]; then
  rm -rf "$WINEPREFIX"
  (unset DISPLAY; "$WINE" wineboot -i </dev/null >/dev/null 2>&1)
  # Without a window manager Wine would wait 2 s whenever a window hides.
  (unset DISPLAY; "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    </dev/null >/dev/null 2>&1)
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  "$WINESERVER" -w
  touch "$WINEPREFIX/.kelvor-ready"
fi

# A display of its own, picked free by Xvfb; it is written once it accepts
# connections. The server must not start before it: a server started without
# a display cannot create windows.
# Processes that outlive this script must not inherit the lock (fd 9).
if [ -f "$WINEPREFIX.xvfb" ] && ! kill -0 "$(cat "$WINEPREFIX.xvfb")" 2>/dev/null; then
  rm -f "$WINEPREFIX.xvfb" "$WINEPREFIX.display"  # left from a run that did not end cleanly
fi
if command -v Xvfb >/dev/null 2>&1 && [ ! -f "$WINEPREFIX.display" ]; then
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w
  fifo="$WINEPREFIX.displayfd"
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 9>&- &
  echo $! >"$WINEPREFIX.xvfb"
  read -r number <"$fifo"
  rm -f "$fifo"
  echo "$number" >"$WINEPREFIX.display"
  DISPLAY=":$number"
  export DISPLAY
fi

# One server for the run, so that each program starts in a fraction of a
# second. Its helper processes get /dev/null: they would otherwise hold the
# output pipe of the first test open for as long as the server lives.
"$WINESERVER" -p </dev/null >/dev/null 2>&1 9>&- || true
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 9>&-
echo "Wine prefix $WINEPREFIX ready${DISPLAY:+, display $DISPLAY}, OEM locale ${LANG}"
