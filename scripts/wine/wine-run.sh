#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGUMENT...] -- runs a program of the Windows
# build under Wine; its exit code is the program's.
KELVOR_PREFIX=$1
. "$(dirname "$0")/wine-env.sh"
shift
exec "$WINE" "$@"
