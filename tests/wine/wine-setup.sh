#!/bin/sh
# wine-setup.sh PREFIX -- before the Windows tests: the prefix, a virtual
# display of their own (KELVOR_SCREEN pixels, 1024x768 unless set) and one
# Wine server that stays for the whole run.
set -eu
here=$(dirname "$0")
sh "$here/wine-prefix.sh" "$1"
KELVOR_PREFIX=$1
. "$here/wine-env.sh"
exec 9>"$WINEPREFIX.lock"
flock 9

# Processes that outlive this script must not inherit the lock (fd 9).
if [ -f "$WINEPREFIX.xvfb" ] && ! kill -0 "$(cat "$WINEPREFIX.xvfb")" 2>/dev/null; then
  rm -f "$WINEPREFIX.xvfb" "$WINEPREFIX.display"  # left from a run that did not end cleanly
fi
if [ ! -f "$WINEPREFIX.display" ]; then
  # The server must not start before the display: a server started without
  # one cannot create windows.
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w
  # Xvfb picks a free display and writes its number once it accepts connections.
  fifo="$WINEPREFIX.displayfd"
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${KELVOR_SCREEN:-1024x768}x24" -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 9>&- &
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
echo "Wine prefix $WINEPREFIX ready, display $DISPLAY, OEM locale $LANG"
