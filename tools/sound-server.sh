#!/usr/bin/env bash
# A private PulseAudio with a null sink, for the tests and the benchmarks, so that sounds really
# play whatever the machine has.
#   sound-server.sh start DIR   leaves it running; clients reach it with PULSE_SERVER=unix:DIR/native
#   sound-server.sh stop DIR    ends it, waits until it has exited, and removes DIR
# It runs as root too (as in CI), where PulseAudio only warns; its home and runtime folders are
# inside DIR, so that nothing of it is left elsewhere. It stays off the session bus and the display:
# inside a desktop session, whose own sound server (PulseAudio or PipeWire) already holds the bus
# name a PulseAudio claims, it would otherwise refuse to start.
set -euo pipefail

command=${1:-}
dir=${2:-}
[ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 64; }

stop() {
    local pidfile=$dir/runtime/pulse/pid
    if [ -s "$pidfile" ]; then
        local pid
        pid=$(cat "$pidfile")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
        kill -9 "$pid" 2>/dev/null || true
        while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    fi
    rm -rf "$dir"
}

case $command in
start)
    command -v pulseaudio >/dev/null || { echo "sound-server: pulseaudio is not installed" >&2; exit 1; }
    stop # what an interrupted run left
    mkdir -p "$dir"
    mkdir -m 700 "$dir/runtime" "$dir/home"
    env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" \
        pulseaudio --daemonize=yes --use-pid-file=yes -n \
        --exit-idle-time=-1 --load=module-null-sink \
        "--load=module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
        --log-target="file:$dir/server.log"
    for _ in $(seq 100); do
        PULSE_SERVER="unix:$dir/native" pactl info >/dev/null 2>&1 && exit 0
        sleep 0.05
    done
    echo "sound-server: PulseAudio did not start; see $dir/server.log" >&2
    exit 1
    ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 64
    ;;
esac
