#!/usr/bin/env bash
# Installs what is needed, builds Vellorin, installs it (program, desktop
# entry, icons) under /usr/local and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo cmake --install build --prefix /usr/local

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Vellorin is installed as /usr/local/bin/Vellorin; start it from a desktop session." >&2
    exit 1
fi
exec /usr/local/bin/Vellorin
