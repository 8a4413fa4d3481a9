#!/usr/bin/env bash
# Runs CTest over a cross build tree under Wine, on a virtual display of its
# own and with one wineserver for the whole run; stops both afterwards.
# wine-ctest.sh BUILD_DIR [CTEST ARGS...]
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/xvfb.sh"

build=$(cd "$1" && pwd); shift
prefix=$build/wineprefix
export WINEPREFIX=$prefix

cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null
    stop_xvfb
}
trap cleanup EXIT

start_xvfb || exit 1
"$here/wine-run.sh" "$prefix" || exit 1
# One wineserver for the whole run, so that each test does not boot Wine anew.
/usr/lib/wine/wineserver -p
"$here/wine-run.sh" "$prefix" || exit 1
# The Windows tests share one desktop, pointer and keyboard: one at a time.
ctest --test-dir "$build" --output-on-failure --no-tests=error --timeout 300 -j1 "$@"
