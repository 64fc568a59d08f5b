#!/usr/bin/env bash
# Installs what AcctPrep needs, builds it and runs every test offscreen.
#   ./test.sh              the normal (Release) build in build/
#   ./test.sh --sanitize   an AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
build=build
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  # Benchmarks are not tests; the sanitizers have nothing to say about them.
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DACCTPREP_SANITIZE=ON -DACCTPREP_BENCH=OFF)
fi
./scripts/install-deps.sh
cmake -S . -B "$build" "${options[@]}"
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# Any sanitizer report fails the test that raised it. Qt and the GL stack keep some memory
# until exit on purpose; leaks are not what this build looks for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure
