# wine-env.sh -- sourced with KELVOR_PREFIX set: the environment of every Wine
# program of a run, in the prefix KELVOR_PREFIX.
export WINEPREFIX="$KELVOR_PREFIX" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# OEM code page 850 comes with a German locale; without root it is built
# beside the prefix.
unset LC_ALL LC_CTYPE LANGUAGE
export LANG=de_DE.UTF-8
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  export LOCPATH="$WINEPREFIX.locale"
  if [ ! -d "$LOCPATH/de_DE.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8" >/dev/null 2>&1 || true
  fi
fi

# The virtual display of a test run, once its set-up has started one.
if [ -f "$WINEPREFIX.display" ]; then
  export DISPLAY=":$(cat "$WINEPREFIX.display")"
fi
