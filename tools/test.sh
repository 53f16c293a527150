#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --test
cmake --workflow --preset testing
