#!/bin/sh
# Installs what is needed, builds the test build (communication library under
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test, on
# every processor at once; each GUI test starts a virtual X display of its own.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON >/dev/null
cmake --build build-test -j "$(nproc)"
ctest --test-dir build-test -j "$(nproc)" --output-on-failure "$@"
