#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Quorvel needs.
# Run as root. Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qtbase5-dev libqt5svg5-dev           # widgets, print support, SVG export of charts
  libkchart-dev                        # chart drawing
  libsqlite3-dev libsqlitecpp-dev      # the data store
  libsodium-dev                        # the sealed control table
  libcurl4-openssl-dev                 # the update check's FTP client
  fonts-liberation fontconfig          # metric-compatible stand-ins for the fonts the layout names
  python3 python3-pyftpdlib            # loopback FTP server for the update-check tests
  poppler-utils                        # pdftotext/pdftoppm, used by the printing tests
)

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: run as root (it calls apt-get)" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps.sh: all packages present"
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
