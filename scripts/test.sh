#!/usr/bin/env bash
# Installs what is needed, builds and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
ctest --test-dir build -j2 --output-on-failure
