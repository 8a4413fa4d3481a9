#!/usr/bin/env bash
# Starts PROGRAM under Wine on the current display, waits for the clicker's
# window, saves a picture of it to FILE and closes the program again.
# shot.sh PREFIX PROGRAM FILE
set -euo pipefail
prefix=$(realpath -m "$1") exe=$2 file=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

"$here/wine-run.sh" "$prefix" "$exe" &
program=$!
id=""
for _ in $(seq 1 120); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"鼠标左键连点器"/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.5
done
if [ -z "$id" ]; then
    echo "shot: the window did not appear" >&2
    kill "$program" 2>/dev/null || true
    exit 1
fi
sleep 1   # let it finish painting
xwd -silent -id "$id" | convert xwd:- "$file"
WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
wait "$program" 2>/dev/null || true
