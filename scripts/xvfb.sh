# Sourced by the run and test scripts: start_xvfb starts a virtual display on
# a free number and exports DISPLAY; stop_xvfb ends it (and only it).
xvfb_pid=""

start_xvfb() {
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 30 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "could not start Xvfb" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
