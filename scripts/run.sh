#!/usr/bin/env bash
# Installs what is needed, builds, makes a demo data directory (once) and
# starts Quorvel on it. Without a display the program starts offscreen, saves
# a picture of its main window and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
program_dir=build/src/app
if [ ! -f demo-data/Accts.ADT ]; then
  build/cli/quorvel-cli init demo-data --demo --ini "$program_dir/VeskConnect.ini"
elif [ ! -f "$program_dir/VeskConnect.ini" ]; then
  printf '[Connect]\nDataDir=%s\n' "$(pwd)/demo-data" > "$program_dir/VeskConnect.ini"
fi
exec "$program_dir/quorvel" "$@"
