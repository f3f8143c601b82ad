#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds the
# Qt-free libraries again with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs their tests. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

# Release optimisation, but assertions stay on.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2" \
  -DLUMO_WITH_QT=ON -DLUMO_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
export QT_QPA_PLATFORM=offscreen
(cd build/release && ctest --output-on-failure -j "$jobs")

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
  -DLUMO_SANITIZE=ON -DLUMO_WITH_QT=OFF -DLUMO_WERROR=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/sanitize && ctest --output-on-failure -j "$jobs" -L library
