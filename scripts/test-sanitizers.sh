#!/usr/bin/env bash
# Builds every test and the fuzz targets with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, in build-asan) and runs them: a finding fails the run. The fuzz targets replay their
# seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh build-essential cmake libsqlite3-dev qt6-base-dev libgl-dev \
  qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-liberation \
  clang libclang-rt-14-dev llvm

# Leaks inside system libraries are not ours; the build runs the tests too, to list them.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMV_FUZZ=ON \
  >/dev/null
cmake --build build-asan -j "$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
