# wine-env.sh -- sourced with KELVOR_PREFIX set: the environment of every Wine
# program of a run, in the prefix KELVOR_PREFIX.
export WINEPREFIX="$KELVOR_PREFIX"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# OEM code page 850 comes with a German locale; without root it is built
# beside the prefix.
unset LC_ALL LC_CTYPE LANGUAGE
if locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  export LANG=de_DE.UTF-8
else
  if [ ! -d "$WINEPREFIX.locale/de_DE.UTF-8" ]; then
    mkdir -p "$WINEPREFIX.locale"
    localedef -i de_DE -f UTF-8 "$WINEPREFIX.locale/de_DE.UTF-8" >/dev/null 2>&1 || true
  fi
  export LOCPATH="$WINEPREFIX.locale" LANG=de_DE.UTF-8
fi

# The virtual display of a test run, once its set-up has started one.
if [ -f "$WINEPREFIX.display" ]; then
  DISPLAY=":$(cat "$WINEPREFIX.display")"
  export DISPLAY
fi
