#!/usr/bin/env bash
# Runs the benchmarks against the build folder given (default: build) and prints one table. Every
# figure comes with its baseline, measured in this run on this machine.
#
# Start-up and the hand-over are timed on an X server (Xvfb is started when DISPLAY is unset);
# presses, threads and memory on Qt's offscreen platform. Sounds play into a private sound server
# with a null sink (tools/sound-server.sh), so that they really go through the sound system: a
# PulseAudio, and for the sound rows each kind a desktop runs, PulseAudio and PipeWire.
set -euo pipefail

build=${1:-build}
bin=$build/bench/bin
runs=${KELVORY_BENCH_RUNS:-11}
# Start-ups take a fraction of a second and are the figure a busy moment moves most: more of them.
startup_runs=${KELVORY_BENCH_STARTUP_RUNS:-41}
title="A Pellowick Production"
work=$(mktemp -d)
log=$build/bench/bench.log
sound_server=$(cd "$(dirname "$0")/.." && pwd)/tools/sound-server.sh
kinds=(pulseaudio pipewire)
xvfb=""
busy=()

# Everything started is ended and waited for before its folder goes.
finish() {
    for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${busy[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    for server in "$work"/sound*; do "$sound_server" stop "$server" || true; done
    rm -rf "$work"
}
trap finish EXIT
: >"$log"
# Qt and the sound system keep their runtime files here rather than in a folder of their own in /tmp.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>>"$log" &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
fi

"$sound_server" start "$work/sound" pulseaudio 2>>"$log" || { echo "bench: no sound server; see $log" >&2; exit 1; }
export PULSE_SERVER="unix:$work/sound/native"

# Runs a measurement, adding what it prints to the file named first. A run that fails is tried
# once more (a loaded X server now and then refuses a connection); a second failure ends the bench.
measure() {
    local into=$1
    shift
    local out
    for attempt in 1 2; do
        if out=$("$@" 2>>"$log"); then
            echo "$out" >>"$into"
            return
        fi
        echo "bench: attempt $attempt of $* failed" >>"$log"
    done
    echo "bench: $* failed; its messages are in $log" >&2
    exit 1
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Alternating program and baseline runs, so that a busy moment of the machine hits both alike.
for _ in $(seq "$startup_runs"); do
    measure "$work/startup.program" "$bin/startup_clock" "$title" "$build/Kelvory/bin/kelvory"
    measure "$work/startup.bare" "$bin/startup_clock" "$title" "$bin/bare_window"
done
for _ in $(seq "$runs"); do
    measure "$work/handover.program" "$bin/hand_over_bench"
    measure "$work/handover.bare" "$bin/bare_hand_over"
done
measure "$work/rating" env QT_QPA_PLATFORM=offscreen "$bin/rating_bench"
measure "$work/media.bare" env QT_QPA_PLATFORM=offscreen "$bin/bare_media"
# Sounds as each kind of sound server hears them, beside pacat's on it; how idle the process is
# before and after them; the first sound after the server has restarted.
for kind in "${kinds[@]}"; do
    "$sound_server" start "$work/sound-$kind" "$kind" 2>>"$log" || { echo "bench: no $kind server; see $log" >&2; exit 1; }
    measure "$work/heard.$kind" env PULSE_SERVER="unix:$work/sound-$kind/native" QT_QPA_PLATFORM=offscreen \
        "$bin/sound_bench" "$sound_server" "$work/sound-$kind" "$kind"
    "$sound_server" stop "$work/sound-$kind"
done
# The same presses while other processes keep every core busy.
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    busy+=($!)
done
measure "$work/busy" env QT_QPA_PLATFORM=offscreen "$bin/rating_bench" --presses-only
for pid in "${busy[@]}"; do kill "$pid"; done
for pid in "${busy[@]}"; do wait "$pid" 2>/dev/null || true; done
busy=()

startup_program=$(median <"$work/startup.program")
startup_bare=$(median <"$work/startup.bare")
handover_program=$(median <"$work/handover.program")
handover_bare=$(median <"$work/handover.bare")
value() { awk -v key="$1" '$1 == key { print $2 }' "$work/${2:-rating}"; }
if [ "$(value audio_outputs)" -gt 0 ]; then sound="sounds played on an audio device"; else sound="no audio device: sounds silent"; fi

echo "Kelvory benchmarks, $(date -u +%Y-%m-%d), $(nproc) x $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
    "$(awk '/MemTotal/ { printf "%.1f GiB RAM", $2 / 1048576 }' /proc/meminfo); $sound"
# The table's rows, as awk functions shared by its two parts.
table='
function row(figure, kelvory, baseline, result, target, verdict) {
    printf "| %-47s | %11s | %11s | %9s | %-13s | %-4s |\n", figure, kelvory, baseline, result, target, verdict
}
function ms(x) { return sprintf(x < 1 ? "%.3f ms" : "%.1f ms", x) }
function mib(k) { return sprintf("%.1f MiB", k / 1024) }
function check(ok) { return ok ? "met" : "MISS" }
'
awk -v runs="$runs" -v startup_runs="$startup_runs" -v sp="$startup_program" -v sb="$startup_bare" -v hp="$handover_program" \
    -v hb="$handover_bare" -v presses="$(value program_presses)" \
    -v th="$(value program_threads_handover)" -v ta="$(value program_threads_all_sounds)" \
    -v tb="$(value bare_threads media.bare)" -v ra="$(value program_rss_all_sounds_kib)" \
    -v rb="$(value bare_rss_kib media.bare)" \
    -v pm="$(value program_median_ms)" -v pp="$(value program_p99_ms)" -v pw="$(value program_worst_ms)" \
    -v pws="$(value program_worst_sound)" -v pwf="$(value program_worst_is_first_play)" \
    -v pfm="$(value program_first_play_median_ms)" -v pfw="$(value program_first_play_worst_ms)" \
    -v prw="$(value program_replay_worst_ms)" -v bfm="$(value bare_first_play_median_ms)" \
    -v bfw="$(value bare_first_play_worst_ms)" -v brw="$(value bare_replay_worst_ms)" \
    -v bm="$(value bare_median_ms)" -v bp="$(value bare_p99_ms)" -v bw="$(value bare_worst_ms)" \
    -v xp="$(value program_p99_ms busy)" -v xw="$(value program_worst_ms busy)" \
    -v xbp="$(value bare_p99_ms busy)" -v xbw="$(value bare_worst_ms busy)" \
    -v rp="$(value program_rss_window_kib)" \
    -v sp2="$(value program_rss_settling_kib)" -v sb2="$(value bare_rss_settling_kib)" \
    -v gp="$(value program_rss_growth_kib)" -v gb="$(value bare_rss_growth_kib)" "$table"'
BEGIN {
    row("figure", "Kelvory", "baseline", "result", "target", "")
    printf "|%s|%s|%s|%s|%s|%s|\n", "-------------------------------------------------", "------------:",
        "------------:", "----------:", "---------------", "------"
    row("start-up to intro mapped, median of " startup_runs, ms(sp), ms(sb), sprintf("%.2fx", sp / sb), "<= 1.20x", check(sp / sb <= 1.2))
    row("hand-over to rating window mapped, median of " runs, ms(hp), ms(hb), sprintf("%+.1f ms", hp - hb), "<= +16.7 ms", check(hp - hb <= 16.7))
    row("threads after the hand-over", th, tb, sprintf("%.2fx", th / tb), "<= 2x", check(th <= 2 * tb))
    row("threads once all 23 sounds have played", ta, tb, sprintf("%.2fx", ta / tb), "<= 2x", check(ta <= 2 * tb))
    row("RSS once all 23 sounds have played", mib(ra), mib(rb), sprintf("%.2fx", ra / rb), "<= 1.5x", check(ra <= 1.5 * rb))
    row("RSS with the rating window up", mib(rp), mib(rb), sprintf("%.2fx", rp / rb), "", "")
    row("Rate Me press, median of " presses, ms(pm), ms(bm), sprintf("%.0fx", pm / bm), "", "")
    row("Rate Me press, p99", ms(pp), ms(bp), sprintf("%.0fx", pp / bp), "<= 0.5 ms", check(pp <= 0.5))
    row("Rate Me press, worst (" pws ", " (pwf == "yes" ? "first play" : "replay") ")", ms(pw), ms(bw), "", "<= 2 ms", check(pw <= 2))
    row("  first press of each verdict, median", ms(pfm), ms(bfm), "", "", "")
    row("  first press of each verdict, worst", ms(pfw), ms(bfw), "", "", "")
    row("  later presses, worst", ms(prw), ms(brw), "", "", "")
    row("Rate Me press, every core busy, p99", ms(xp), ms(xbp), "", "", "")
    row("Rate Me press, every core busy, worst", ms(xw), ms(xbw), "", "<= 5 ms", check(xw <= 5))
    row("RSS growth, presses 1,001-11,000 (settling)", sprintf("%d KiB", sp2), sprintf("%d KiB", sb2), "", "", "")
    row("RSS growth, presses 11,001-21,000", sprintf("%d KiB", gp), sprintf("%d KiB", gb), "", "< 1 MiB", check(gp < 1024))
}'
# The sound rows, for each kind of server. Onsets: the baseline is pacat asked for 10 ms of
# latency, started at the press moment, on the same server; a press with no sound heard within
# 3 s counts as lost, and fails them all. Idle: the baseline is the same process over the same
# span with the rating window up and no sound played yet. Restart: the first sound after the
# server has restarted, the program's press against pacat's tone.
for kind in "${kinds[@]}"; do
    heard=heard.$kind
    awk -v server="$([ "$kind" = pipewire ] && echo PipeWire || echo PulseAudio)" \
        -v on="$(value onset_program_runs "$heard")" -v ol="$(value onset_program_long_quiet_runs "$heard")" \
        -v olost="$(value onset_program_missing "$heard")" \
        -v om="$(value onset_program_median_ms "$heard")" -v ow="$(value onset_program_worst_ms "$heard")" \
        -v olw="$(value onset_program_long_quiet_worst_ms "$heard")" -v bom="$(value onset_pacat_median_ms "$heard")" \
        -v bow="$(value onset_pacat_worst_ms "$heard")" -v bolw="$(value onset_pacat_long_quiet_worst_ms "$heard")" \
        -v qs="$(value quiet_seconds "$heard")" -v qwt="$(value quiet_window_ticks "$heard")" \
        -v qat="$(value quiet_after_ticks "$heard")" -v qww="$(value quiet_window_wakeups_per_s "$heard")" \
        -v qaw="$(value quiet_after_wakeups_per_s "$heard")" \
        -v rsp="$(value restart_program_ms "$heard")" -v rsb="$(value restart_pacat_ms "$heard")" "$table"'
function heard(x) { return x < 0 ? "not heard" : ms(x) }
BEGIN {
    lost = olost > 0 ? sprintf("%d lost", olost) : ""
    row(server ": press to sound, median of " on, ms(om), ms(bom),
        lost != "" ? lost : sprintf("%+.1f ms", om - bom), "<= pacat +10", check(om <= bom + 10 && olost == 0))
    row(server ": press to sound, worst", ms(ow), ms(bow), sprintf("%+.1f ms", ow - bow), "<= 60 ms",
        check(ow <= 60 && olost == 0))
    row("  first press after 3 s of quiet, worst of " ol, ms(olw), ms(bolw), sprintf("%+.1f ms", olw - bolw), "<= 60 ms",
        check(olw <= 60 && olost == 0))
    row("  first press after the server restarted", heard(rsp), heard(rsb), "", "<= 60 ms",
        check(rsp >= 0 && rsp <= 60))
    row(server ": idle " qs " s after a sound: CPU ticks", qat, qwt, sprintf("%+d", qat - qwt), "<= +1",
        check(qat <= qwt + 1))
    row(server ": idle " qs " s after a sound: wake-ups/s", sprintf("%.1f", qaw), sprintf("%.1f", qww),
        sprintf("%+.1f", qaw - qww), "<= +1", check(qaw <= qww + 1))
}'
done
echo "(standard error of every run: $log)"
