#!/usr/bin/env bash
# Runs one Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGS...]
# Without a program it only makes sure the prefix is ready and Wine started.
# The prefix is created on first use (32-bit, code page 936, fonts as on a
# Chinese Windows, no window manager, no crash dialog). The program's exit
# code is passed back. Without a display, the program runs on its own Xvfb.
set -euo pipefail

prefix=$(realpath -m "$1"); shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe="

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "${BASH_SOURCE[0]}" "$prefix" "$@"
fi

# The check is repeated once: on a busy machine the emulated loader's first
# start has been seen to fail.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && ! { sleep 1; /usr/lib/wine/wine --version >/dev/null 2>&1; }; then
    echo "wine-run: this machine cannot start 32-bit Wine; run scripts/install-deps.sh as root" >&2
    exit 125
fi

# Code page 936 comes from the locale; bash itself is not told, since the
# locale may not be generated here (Wine does not need it to be).
wine() { env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 /usr/lib/wine/wine "$@"; }

# One process sets the prefix up; tests started at the same time wait for it.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.clicker-ready-2" ]; then
    rm -rf "$prefix"
    wine wineboot -i >/dev/null 2>&1
    reg="$prefix/clicker-settings.reg"
    iconv -f UTF-8 -t UTF-16LE "$here/wine-prefix.reg" | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
    # Window frames draw their caption buttons with Marlett, which this Wine
    # finds only among the prefix's own fonts.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
    fi
    /usr/lib/wine/wineserver -w
    touch "$prefix/.clicker-ready-2"
fi
flock -u 9

if [ $# -eq 0 ]; then
    # Start Wine's own background processes now, detached from our output:
    # a test runner that reads a test's output would otherwise wait for them.
    wine wineboot </dev/null >/dev/null 2>&1
    exit 0
fi
wine "$@"
