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
  # tests and benchmarks: the sound servers' clients (pactl, parec, pacat)
  pulseaudio-utils
  # benchmarks: watching the X server for windows being mapped
  libxcb1-dev
  # desktop tests: what assistive technology reads (session and accessibility buses, AT-SPI
  # client), and the validators of the desktop entry and the AppStream metainfo
  dbus-daemon at-spi2-core python3-pyatspi desktop-file-utils appstream
)

# The tests and benchmarks play into private sound servers of both kinds a Debian desktop runs
# (tools/sound-server.sh): PulseAudio, and PipeWire with WirePlumber. Each server program is the
# installed one where its package is installed. Where it is not, the package is never installed:
# pulseaudio, wireplumber (and pipewire, pipewire-pulse) carry systemd user units, which would start
# a second sound server at a desktop's next login, or take the devices from the one it runs. So
# only its libraries are installed, and the package itself is unpacked into .cache/sound-servers,
# where sound-server.sh runs it from. pipewire-bin has no user units, but it is the server itself:
# unpacked likewise, so that the machine's sound gains only libraries. Each entry: the package and
# its program.
servers=(pulseaudio:pulseaudio pipewire-bin:pipewire wireplumber:wireplumber)
cache=$(cd "$(dirname "$0")/.." && pwd)/.cache/sound-servers

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
version_of() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null; }
program_installed() {
  local path
  path=$(type -P "$1") && [ -x "$path" ]
}
# An unpacked copy is current while every library it needs at an exact version (as noted when it
# was unpacked) is installed at that version.
unpacked_current() {
  local stamp=$cache/$1/.libraries library version
  [ -f "$stamp" ] || return 1
  while IFS='=' read -r library version; do
    [ "$(version_of "$library")" = "$version" ] || return 1
  done <"$stamp"
}
# The libraries PACKAGE depends on (the first of alternatives), one a line, with "=VERSION" where
# it needs that one. ALSA's plugins are for ALSA's programs, not for a server: left out.
libraries_of() {
  apt-cache show --no-all-versions "$1" | sed -n 's/^Depends: //p' | tr ',' '\n' | sed 's/|.*//' |
    sed -nE 's/^ *(lib[^ ]*)( \(= ([^)]*)\))?.*/\1=\3/p' | sed 's/=$//' | grep -v '^libasound2-plugins'
}

to_unpack=()
for server in "${servers[@]}"; do
  package=${server%%:*}
  program_installed "${server#*:}" || unpacked_current "$package" || to_unpack+=("$package")
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
apt_get() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
updated=no
if [ ${#to_unpack[@]} -gt 0 ]; then
  # Once for a source tree: the lists fresh, so that the versions they name can be downloaded.
  apt_get update -qq
  updated=yes
  for package in "${to_unpack[@]}"; do
    while IFS='=' read -r library version; do
      if ! installed "$library" || { [ -n "$version" ] && [ "$(version_of "$library")" != "$version" ]; }; then
        missing+=("$library${version:+=$version}")
      fi
    done < <(libraries_of "$package")
  done
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  [ $updated = yes ] || apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

for package in "${to_unpack[@]}"; do
  echo "unpacking for the tests' sound servers: $package"
  work=$(mktemp -d)
  version=$(apt-cache show --no-all-versions "$package" | sed -n 's/^Version: //p')
  # apt warns that its download, as root, is not sandboxed: it goes into a folder of our own.
  (cd "$work" && apt-get download -qq "$package=$version" 2> >(grep -v "unsandboxed" >&2))
  dpkg-deb -x "$work"/*.deb "$work/root"
  libraries_of "$package" | grep '=' >"$work/root/.libraries" || true
  rm -rf "${cache:?}/$package"
  mkdir -p "$cache"
  mv "$work/root" "$cache/$package"
  rm -rf "$work"
done
