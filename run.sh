#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts the window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec ./build/quorvane "$@"
