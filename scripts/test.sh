#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test: the
# Windows tests under Wine on a virtual display of their own, the text tests
# and the fuzzer natively. Exits non-zero when any test fails or does not run.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh || exit 1
cmake --preset cross >/dev/null && cmake --build --preset cross || exit 1
cmake --preset native >/dev/null && cmake --build --preset native || exit 1

status=0
scripts/wine-ctest.sh build/cross || status=1
ctest --preset native -j2 || status=1
exit $status
