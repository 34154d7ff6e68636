#!/bin/sh
# Starts the built utility. Without a connected keyboard it runs against the
# simulated keyboard, so the window can be tried on any machine.
set -eu
build_dir=$1; shift
exe="$build_dir/run/keylume"
if [ ! -x "$exe" ]; then
  echo "The utility is not built yet ($exe is missing)." >&2
  exit 1
fi
exec "$exe" "$@"
