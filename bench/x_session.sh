# Sourced by the measuring scripts: starts Xvfb on a free display and openbox on it, exports
# DISPLAY and QT_QPA_PLATFORM=xcb, and stops both when the script ends.
x_session_pids=()

x_session_stop() {
    local pid
    for pid in "${x_session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${x_session_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}

x_session_start() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -displayfd: Xvfb picks a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    x_session_pids+=($!)
    read -r -t 15 display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY XAUTHORITY
    openbox --sm-disable >/dev/null 2>&1 &
    x_session_pids+=($!)
    local tries
    for tries in $(seq 150); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            return 0
        fi
        sleep 0.1
    done
    echo "openbox did not come up on $DISPLAY" >&2
    return 1
}

trap x_session_stop EXIT
