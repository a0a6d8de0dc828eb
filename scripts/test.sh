#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
# The build and the tests work only on databases of their own: a lock folder of their own keeps them
# apart from any program still running on this machine.
export FIREBIRD_LOCK="$(mktemp -d "${TMPDIR:-/tmp}/overprint-test-lock.XXXXXX")"
trap 'rm -rf "$FIREBIRD_LOCK"' EXIT
./scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
