#!/usr/bin/env bash
# Installs the Debian 12 packages Kelvory needs to build, test and run; skips what is already there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libgl-dev
  # toolkit
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
  # media playback: sound effects decoded by libmpg123 and played on a PulseAudio connection of
  # their own, the movie by GStreamer
  libmpg123-dev libpulse-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  # fonts the windows ask for (chancery script, Verdana-like sans, UI font)
  fonts-urw-base35 fonts-dejavu-core
  # tests: a real X server, its clients that read windows and type keys, process tools, memory checkers
  xvfb xauth x11-utils xdotool valgrind strace
  # tests and benchmarks: a private sound server and its tools (pactl, parec)
  pulseaudio-utils
  # benchmarks: watching the X server for windows being mapped
  libxcb1-dev
  # desktop tests: what assistive technology reads (session and accessibility buses, AT-SPI
  # client), and the validators of the desktop entry and the AppStream metainfo
  dbus-daemon at-spi2-core python3-pyatspi desktop-file-utils appstream
)
# benchmarks: a sound server for the sounds to play into, unless PipeWire serves as one (the two
# exclude each other)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
installed pipewire-pulse || packages+=(pulseaudio)

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
