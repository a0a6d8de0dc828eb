#!/usr/bin/env bash
# Builds and starts the program on its embedded default database (the data folder is build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec build/bin/overprint "$@"
