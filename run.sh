#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled
# sample.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" \
  -DLUMO_WITH_QT=ON >/dev/null
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)"

build/release/tools/lumo/lumo list data/sample/delays.lst
