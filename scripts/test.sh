#!/bin/sh
# Installs what is needed, builds the test build (communication library under
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test; the GUI
# tests run on a virtual X display.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVESK_SANITIZE=ON >/dev/null
cmake --build build-test -j "$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build-test --output-on-failure "$@"
