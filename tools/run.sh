#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --workflow --preset release
program=build/release/app/tavelin-namer
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: run it under a virtual display with  xvfb-run -s '-screen 0 1280x800x24' $program" >&2
    exit 1
fi
exec "$program"
