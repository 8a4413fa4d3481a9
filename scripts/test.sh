#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test: the
# Windows tests under Wine on a virtual display of their own, the text tests
# and the fuzzer natively. Exits non-zero when any test fails or does not run.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xvfb.sh

bash scripts/install-deps.sh || exit 1
cmake --preset cross >/dev/null && cmake --build --preset cross || exit 1
cmake --preset native >/dev/null && cmake --build --preset native || exit 1

prefix=$PWD/build/cross/wineprefix
export WINEPREFIX=$prefix
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null
    stop_xvfb
}
trap cleanup EXIT

start_xvfb || exit 1
scripts/wine-run.sh "$prefix" || exit 1
# One wineserver for the whole run, so that each test does not boot Wine anew.
/usr/lib/wine/wineserver -p

status=0
# The Windows tests share one desktop, pointer and keyboard: one at a time.
ctest --preset cross -j1 || status=1
ctest --preset native -j2 || status=1
exit $status
