#!/usr/bin/env bash
# Builds Dittaro with sanitizers and runs every test. The ThreadSanitizer build runs
# the tests labelled "threads"; the AddressSanitizer/UBSan build runs them all, last,
# so the run ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export DITTARO_AUDIO=null
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan.supp"

build() { # dir sanitizers
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDITTARO_SANITIZE="$2" >/dev/null
  cmake --build "$1" --parallel "$jobs"
}

build build-tsan thread
(cd build-tsan && ctest --output-on-failure --parallel "$jobs" -L threads --no-tests=error)

build build-asan address,undefined
cd build-asan && ctest --output-on-failure --parallel "$jobs"
