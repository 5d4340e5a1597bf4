#!/bin/sh
# valgrind_example.sh VALGRIND PYTHON KELVOR_CONVERT MAKE_EXAMPLE -- converts
# the example table under valgrind; any memory error or leak fails.
set -eu
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$2" "$4" "$folder" >/dev/null
"$1" --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
  "$3" --oem-to-ansi "$folder/kunden.dbf" "$folder/neu.dbf"
test -s "$folder/neu.dbt"
