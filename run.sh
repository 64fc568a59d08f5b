#!/usr/bin/env bash
# Installs what AcctPrep needs, builds it in Release and starts it on the bundled sample bank.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "AcctPrep is built in build/app, but there is no display to show it on." >&2
  echo "Run it under a virtual display instead:  xvfb-run -a build/app/acctprep" >&2
  exit 1
fi
exec build/app/acctprep
