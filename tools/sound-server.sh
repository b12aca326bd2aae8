#!/usr/bin/env bash
# A private sound server with a null sink, for the tests and the benchmarks, so that sounds really
# play whatever the machine has. Two kinds, as Debian 12's desktops run them:
#   pulseaudio  PulseAudio
#   pipewire    PipeWire with WirePlumber, and pipewire-pulse's server for the clients
#
#   sound-server.sh start DIR [KIND]  leaves it running, its sink "null" the default; clients reach
#                                     it with PULSE_SERVER=unix:DIR/native. KIND defaults to
#                                     KELVORY_SOUND_SERVER_KIND, else pulseaudio.
#   sound-server.sh stop DIR          ends every process that start began, waits until each has
#                                     exited, and removes DIR
#
# Each program is the installed one where its package is installed, else the copy that
# tools/install-deps.sh unpacked under .cache/sound-servers (it never installs a sound server: its
# user units would start a second one at the next login of a desktop). Everything of a server
# lives inside DIR: its home, its runtime folder, its configuration and its logs. It runs as root
# too (as in CI). It stays off the session bus and the display: inside a desktop session, whose
# own sound server already holds the bus name and the devices, it would otherwise refuse to
# start or take them.
set -euo pipefail

command=${1:-}
dir=${2:-}
kind=${3:-${KELVORY_SOUND_SERVER_KIND:-pulseaudio}}
usage() {
    echo "usage: $0 start DIR [pulseaudio|pipewire] | stop DIR" >&2
    exit 64
}
[ -n "$dir" ] || usage
cache=$(cd "$(dirname "$0")/.." && pwd)/.cache/sound-servers

# A process's start time (field 22 of /proc/PID/stat), which tells it from a later one given the
# same pid; and whether the process noted as PID and start time AT runs still. One that has exited
# but that its new parent has not yet reaped (a container's init may take its time) has ended.
proc_stat() {
    local stat
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    # after the name, which may hold spaces: the state, then 18 more fields, then the start time
    read -ra fields <<<"${stat##*) }"
}
started_at() { proc_stat "$1" && echo "${fields[19]}"; }
alive() { proc_stat "$1" && [ "${fields[0]}" != Z ] && [ "${fields[19]}" = "$2" ]; }
any_alive() {
    local pid at
    while read -r pid at; do alive "$pid" "$at" && return 0; done <"$dir/pids"
    return 1
}

# Only what start noted is ended, the last started first, and only while its pid still names the
# same process. Each is asked to end, and killed if it has not within 5 s.
stop() {
    if [ -s "$dir/pids" ]; then
        local pid at
        while read -r pid at; do
            alive "$pid" "$at" && kill "$pid" 2>/dev/null
        done < <(tac "$dir/pids")
        for _ in $(seq 100); do
            any_alive || break
            sleep 0.05
        done
        while read -r pid at; do
            alive "$pid" "$at" && kill -9 "$pid" 2>/dev/null
        done <"$dir/pids"
        while any_alive; do sleep 0.05; done
    fi
    rm -rf "$dir"
}

# The program PROGRAM of package PACKAGE: the installed one, else the unpacked copy.
program() {
    local installed
    if installed=$(type -P "$2") && [ -x "$installed" ]; then
        echo "$installed"
    elif [ -x "$cache/$1/usr/bin/$2" ]; then
        echo "$cache/$1/usr/bin/$2"
    else
        echo "sound-server: $2 is not installed; run tools/install-deps.sh" >&2
        exit 1
    fi
}

# Runs a server's program in a session of its own (a terminal's or CTest's signals are not its
# own), with its output into DIR/NAME.log, and notes it for stop.
launch() {
    local name=$1
    shift
    env -u DBUS_SESSION_BUS_ADDRESS -u DISPLAY -u WAYLAND_DISPLAY -u PULSE_SERVER -u PIPEWIRE_REMOTE \
        HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_RUNTIME_DIR="$dir/runtime" \
        PIPEWIRE_RUNTIME_DIR="$dir/runtime" PIPEWIRE_CONFIG_DIR="$dir/config" \
        setsid "$@" </dev/null >>"$dir/$name.log" 2>&1 &
    echo "$! $(started_at $!)" >>"$dir/pids"
}

until_true() {
    for _ in $(seq 200); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}
answers() { PULSE_SERVER="unix:$dir/native" pactl info; }
default_sink_is_null() { PULSE_SERVER="unix:$dir/native" pactl info | grep -qx 'Default Sink: null'; }

start_pulseaudio() {
    local pulseaudio modules=()
    pulseaudio=$(program pulseaudio pulseaudio) || return 1
    # An unpacked PulseAudio finds its core library and modules in its own folder.
    if [[ $pulseaudio == "$cache"/* ]]; then
        local libs=$cache/pulseaudio/usr/lib/x86_64-linux-gnu/pulseaudio
        local moduledir
        moduledir=$(echo "$cache"/pulseaudio/usr/lib/pulse-*/modules)
        modules=(env "LD_LIBRARY_PATH=$libs:$moduledir" "$pulseaudio" "--dl-search-path=$moduledir")
    else
        modules=("$pulseaudio")
    fi
    launch pulseaudio "${modules[@]}" --daemonize=no -n --exit-idle-time=-1 \
        --load=module-null-sink \
        "--load=module-native-protocol-unix auth-anonymous=1 socket=$dir/native"
    until_true answers || return 1
    PULSE_SERVER="unix:$dir/native" pactl set-default-sink null || return 1
}

# What the three programs' configurations share: the same SPA plug-ins, and modules that begin
# with real-time scheduling where allowed and the native protocol.
spa_libs_and_first_modules() {
    cat <<'EOF'
context.spa-libs = {
    audio.convert.* = audioconvert/libspa-audioconvert
    support.*       = support/libspa-support
}
context.modules = [
    { name = libpipewire-module-rt args = { nice.level = -11 } flags = [ ifexists nofail ] }
    { name = libpipewire-module-protocol-native }
EOF
}

# PipeWire's daemon, configured as the desktop's (/usr/share/pipewire/pipewire.conf) less what
# reaches beyond this folder: devices, the portal, the bell, D-Bus.
pipewire_conf() {
    cat <<EOF
context.properties = {
    link.max-buffers          = 16
    core.daemon               = true
    core.name                 = pipewire-0
    default.clock.min-quantum = 16
    default.clock.rate        = 44100
    support.dbus              = false
}
$(spa_libs_and_first_modules)
    { name = libpipewire-module-profiler }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-spa-device-factory }
    { name = libpipewire-module-spa-node-factory }
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-client-device }
    { name = libpipewire-module-access }
    { name = libpipewire-module-adapter }
    { name = libpipewire-module-link-factory }
    { name = libpipewire-module-session-manager }
]
context.objects = [
    { factory = spa-node-factory
      args = { factory.name = support.node.driver node.name = Dummy-Driver
               node.group = pipewire.dummy priority.driver = 20000 } }
    { factory = spa-node-factory
      args = { factory.name = support.node.driver node.name = Freewheel-Driver
               priority.driver = 19000 node.group = pipewire.freewheel node.freewheel = true } }
]
EOF
}

# pipewire-pulse's, as the desktop's (/usr/share/pipewire/pipewire-pulse.conf), at DIR/native.
pipewire_pulse_conf() {
    cat <<EOF
context.properties = {
    default.clock.rate = 44100
    support.dbus       = false
}
$(spa_libs_and_first_modules)
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-adapter }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-protocol-pulse }
]
pulse.properties = {
    server.address = [ "unix:$dir/native" ]
}
EOF
}

# WirePlumber's, as the desktop's less Bluetooth. Nor does it monitor devices or ask the portal
# (below): those reach for the machine's devices and for D-Bus, without which it stops.
wireplumber_conf() {
    cat <<EOF
context.properties = {
    log.level = 2
    wireplumber.script-engine = lua-scripting
}
$(spa_libs_and_first_modules)
    { name = libpipewire-module-client-node }
    { name = libpipewire-module-client-device }
    { name = libpipewire-module-adapter }
    { name = libpipewire-module-metadata }
    { name = libpipewire-module-session-manager }
]
wireplumber.components = [
    { name = libwireplumber-module-lua-scripting, type = module }
    { name = main.lua, type = config/lua }
    { name = policy.lua, type = config/lua }
]
EOF
}

start_pipewire() {
    local pipewire wireplumber data
    pipewire=$(program pipewire-bin pipewire) || return 1
    wireplumber=$(program wireplumber wireplumber) || return 1
    data=$(dirname "$(dirname "$wireplumber")")/share/wireplumber
    mkdir -p "$dir/config"
    pipewire_conf >"$dir/config/pipewire.conf"
    pipewire_pulse_conf >"$dir/config/pipewire-pulse.conf"
    # WirePlumber reads its Lua configuration from the first folder that has it: a copy of the
    # desktop's, with the device monitors switched off before they are enabled.
    cp -r "$data" "$dir/wireplumber" || return 1
    wireplumber_conf >"$dir/wireplumber/wireplumber.conf"
    {
        printf '%s.enabled = false\n' alsa_monitor v4l2_monitor libcamera_monitor
        echo 'default_access.properties["enable-flatpak-portal"] = false'
    } >"$dir/wireplumber/main.lua.d/60-private-server.lua"

    launch pipewire "$pipewire"
    until_true test -S "$dir/runtime/pipewire-0" || return 1
    launch wireplumber env WIREPLUMBER_CONFIG_DIR="$dir/wireplumber" WIREPLUMBER_DATA_DIR="$dir/wireplumber" \
        "$wireplumber"
    launch pipewire-pulse "$pipewire" -c pipewire-pulse.conf
    until_true answers || return 1
    PULSE_SERVER="unix:$dir/native" pactl load-module module-null-sink sink_name=null >/dev/null || return 1
    PULSE_SERVER="unix:$dir/native" pactl set-default-sink null || return 1
    # WirePlumber, which links every stream to its sink, makes it the default once it runs.
    until_true default_sink_is_null
}

case $command in
start)
    case $kind in
    pulseaudio | pipewire) ;;
    *) usage ;;
    esac
    stop # what an interrupted run left
    mkdir -p "$dir"
    mkdir -m 700 "$dir/runtime" "$dir/home"
    # (Inside a condition `set -e` holds no more: each step of start_KIND returns its failure.)
    if ! "start_$kind"; then
        echo "sound-server: $kind did not start; its logs:" >&2
        tail -n 20 "$dir"/*.log >&2 || true
        stop # nothing of it stays running
        exit 1
    fi
    ;;
stop) stop ;;
*) usage ;;
esac
