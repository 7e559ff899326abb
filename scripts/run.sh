#!/usr/bin/env bash
# Installs, builds and starts Vellorin.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
# The window comes next; until then this shows the figure's numbers.
exec build/tools/vellorin-figure info
