#!/bin/sh
# wine-setup.sh PREFIX [BASE DPI] -- before the Windows tests: the prefix, a
# virtual display of their own and one Wine server that stays for the whole
# run. With BASE and DPI, the prefix is a copy of BASE whose programs are
# drawn at DPI dots per inch, on a display as much larger than 1024x768 as a
# screen of that resolution would be.
set -eu
here=$(dirname "$0")
if [ $# -eq 3 ]; then
  sh "$here/wine-stop.sh" "$1"
  rm -rf "$1"
  # The other tests go on in BASE meanwhile: a file of theirs that is gone
  # before it could be copied is no loss.
  if ! cp -a "$2" "$1" 2>"$1.copy" && grep -v 'No such file or directory' "$1.copy" >&2; then exit 1; fi
  rm -f "$1.copy"
fi
sh "$here/wine-prefix.sh" "$1"
KELVOR_PREFIX=$1
. "$here/wine-env.sh"
exec 9>"$WINEPREFIX.lock"
flock 9
# Processes that outlive this script must not inherit the lock (fd 9).
screen=1024x768
if [ $# -eq 3 ]; then
  # Read when the Wine server starts, below.
  (unset DISPLAY; "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f \
    </dev/null >/dev/null 2>&1 9>&-)
  "$WINESERVER" -w
  screen="$((1024 * $3 / 96))x$((768 * $3 / 96))"
fi
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
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 9>&- &
  echo $! >"$WINEPREFIX.xvfb"
  read -r number <"$fifo"
  rm -f "$fifo"
  echo "$number" >"$WINEPREFIX.display"
  export DISPLAY=":$number"
fi

# One server for the run, so that each program starts in a fraction of a
# second. Its helper processes get /dev/null: they would otherwise hold the
# output pipe of the first test open for as long as the server lives.
"$WINESERVER" -p </dev/null >/dev/null 2>&1 9>&- || true
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 9>&-
echo "Wine prefix $WINEPREFIX ready, display $DISPLAY, OEM locale $LANG"
