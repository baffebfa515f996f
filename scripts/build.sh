#!/usr/bin/env bash
# Configures and builds everything into build/ (two parallel jobs). Uses ccache
# when it is installed, so that rebuilds of unchanged files are quick.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j2
