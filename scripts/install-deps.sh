#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: packages already present are left alone. Runs as root or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-ibase libqt6sql6-odbc libqt6sql6-sqlite
  libqt6svg6
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
  zlib1g-dev fonts-wqy-microhei
  unixodbc-dev libsqliteodbc libfreexl-dev liborcus-dev libixion-dev
  unicode-data
  xvfb xauth poppler-utils zbar-tools python3-openpyxl python3-xlwt
  cups cups-bsd printer-driver-cups-pdf
  libzint-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
