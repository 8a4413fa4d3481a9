#!/usr/bin/env bash
# Benchmarks the finished clicker.exe under Wine. Installs what is missing,
# builds the cross preset's clicker and benchmark programs, then runs the
# benchmark twice, pinned to one processor (wineserver, Wine's own processes
# and the benchmark, with the clicker it starts) and unpinned, each time with
# a fresh virtual display and a fresh wineserver, and prints one table of the
# figures with their targets. The programs' full output is kept beside the
# build. Exits non-zero only when the benchmark could not run or a figure
# could not be taken; a figure that misses its target is shown as such.
# BENCH_BUILD_DIR: another cross build tree to use instead of build/cross.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/xvfb.sh

bash scripts/install-deps.sh || exit 1
programs=(clicker minimal_window tick_cost_bench clicker_bench)
if [ -n "${BENCH_BUILD_DIR:-}" ]; then
    build=$BENCH_BUILD_DIR
    cmake --build "$build" --target "${programs[@]}" >/dev/null || exit 1
else
    build=build/cross
    { cmake --preset cross && cmake --build --preset cross --target "${programs[@]}"; } >/dev/null || exit 1
fi
build=$(cd "$build" && pwd)
prefix=$build/wineprefix
results=$build/bench-results
mkdir -p "$results"
export WINEPREFIX=$prefix

wineserver() { /usr/lib/wine/wineserver "$@"; }
cleanup() {
    wineserver -k 2>/dev/null
    stop_xvfb
}
trap cleanup EXIT

# Both benchmark programs on a fresh wineserver, their output into $results/$1.txt;
# the rest of the arguments go in front of wineserver, Wine's start and the
# programs (taskset, or env for nothing).
run_programs() {
    local out=$results/$1.txt; shift
    : >"$out"
    scripts/wine-run.sh "$prefix" || return 1   # makes the prefix on first use
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    "$@" /usr/lib/wine/wineserver -p || return 1
    "$@" scripts/wine-run.sh "$prefix" || return 1
    local status=0
    "$@" timeout -k 10 600 scripts/wine-run.sh "$prefix" "$build/bench/tick_cost_bench.exe" >>"$out" || status=1
    CLICKER_EXE=$build/app/clicker.exe \
        "$@" timeout -k 10 900 scripts/wine-run.sh "$prefix" "$build/bench/clicker_bench.exe" >>"$out" || status=1
    return $status
}

# One run on a virtual display of its own, which ends with it.
run_once() {
    echo "bench: $1 run" >&2
    start_xvfb || return 1
    local status=0
    run_programs "$@" || status=1
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    stop_xvfb
    return $status
}

load=$(cut -d" " -f1-3 /proc/loadavg)
others=$(pgrep -c -f "wine" || true)
started=$(date +%s)
status=0
run_once pinned taskset -c 0 || status=1
run_once unpinned env || status=1
took=$(( $(date +%s) - started ))

# The table: one row per figure with its target. Columns: id | what is
# measured | target as shown | check: an operator (>=, <=, or =3 for equal at
# three decimals) and its bound, or nothing where there is no target.
rows='tick_10ms|tick fidelity at 10 ms, 10 clicks a tick: ticks a second ÷ requested|≥ 0.99|>= 0.99
tick_100ms|tick fidelity at 100 ms, 10 clicks a tick|≥ 0.99|>= 0.99
click_overhead|per-click overhead: the tick routine with 10,000 clicks ÷ a bare mouse_event loop|≤ 1.05|<= 1.05
mouse_event_us|one mouse_event call (bare loop)|—|
delivery_1000|delivery: clicks counted by 按钮3 ÷ sent, 1,000 clicks|= 1.000|=3 1
delivery_10000|delivery: clicks counted by 按钮3 ÷ sent, 10,000 clicks|= 1.000|=3 1
stop_1000|stop latency (F9 to 按钮1 enabled) ÷ period, 1,000 clicks a tick at 100 ms|≤ 1|<= 1
stop_100000|stop latency ÷ period, 100,000 clicks a tick at 100 ms|— (a tick runs to its end)|
startup|start-up (process start to window visible) ÷ a minimal Win32 window|≤ 1.2|<= 1.2
exe_size|size of clicker.exe|—|
imports|DLLs clicker.exe imports|only DLLs every Windows has|<= 0
idle_cpu|CPU time while idle for 5 s, clicking stopped|≤ 1 ms|<= 1'

table=$(awk -F'\t' -v rows="$rows" '
    # Windows programs end their lines with CR LF.
    { sub(/\r$/, "") }
    FNR == 1 { mode = FILENAME ~ /\/pinned\.txt$/ ? "p" : "u" }
    $1 == "figure" { value[mode, $2] = $3; shown[mode, $2] = $4 }
    # 1 held, 0 missed, -1 no figure or no target.
    function held(check, mode, id,   c) {
        if (check == "" || !((mode, id) in value)) return -1
        split(check, c, " ")
        if (c[1] == ">=") return value[mode, id] + 0 >= c[2] + 0
        if (c[1] == "<=") return value[mode, id] + 0 <= c[2] + 0
        if (c[1] == "=3") return sprintf("%.3f", value[mode, id]) == sprintf("%.3f", c[2])
        return -1
    }
    END {
        n = split(rows, line, "\n")
        print "| figure | pinned | unpinned | target | held? |"
        print "|---|---|---|---|---|"
        missing = 0
        for (i = 1; i <= n; i++) {
            split(line[i], f, "|")
            id = f[1]
            if (!(("p", id) in shown) || !(("u", id) in shown)) missing = 1
            hp = held(f[4], "p", id); hu = held(f[4], "u", id)
            verdict = f[4] == "" ? "—" : "not taken"
            if (hp == 1 && hu == 1) verdict = "yes"
            else if (hp == 1 && hu == 0) verdict = "pinned only"
            else if (hp == 0 && hu == 1) verdict = "unpinned only"
            else if (hp == 0 && hu == 0) verdict = "no"
            printf "| %s | %s | %s | %s | %s |\n", f[2], ("p", id) in shown ? shown["p", id] : "not taken",
                   ("u", id) in shown ? shown["u", id] : "not taken", f[3], verdict
        }
        exit missing
    }' "$results/pinned.txt" "$results/unpinned.txt") || status=1

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
emulated=""
[ -f /proc/sys/fs/binfmt_misc/qemu-i386 ] && grep -q '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386 &&
    emulated=", 32-bit Wine under qemu-i386 user-mode emulation"
echo
echo "Benchmark of clicker.exe, $(date)"
echo "Machine: $cpu, $(nproc) cores, Linux $(uname -r), $(/usr/lib/wine/wine --version 2>/dev/null)$emulated"
echo "Load average before the run: $load, with $others other Wine processes running; the runs took ${took} s"
echo
echo "$table"
echo
echo "Pinned: taskset -c 0 on wineserver, Wine's start and the benchmark (the clicker inherits it)."
echo "Full output: $results/pinned.txt and unpinned.txt"
exit $status
