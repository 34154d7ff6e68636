#!/bin/sh
# Runs every benchmark binary of a build folder.
set -eu
build_dir=${1:-build}
for b in "$build_dir"/bench/*/bench_* "$build_dir"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $b"
  "$b"
done
