#!/usr/bin/env bash
# Installs what is missing, builds everything twice (optimised, and with
# the address and undefined-behaviour sanitizers) and runs every test
# headless; then the model and the transform with clang and as
# WebAssembly, their tests natively and under node.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh test
export QT_QPA_PLATFORM=offscreen
for preset in release asan clang web; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done
