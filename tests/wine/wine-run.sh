#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENT...] -- runs a program of the Windows
# build under Wine; its exit code is the program's.
. "$(dirname "$0")/wine-env.sh" "$1"
shift
exec "$WINE" "$@"
