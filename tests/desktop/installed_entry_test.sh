#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a packager would, and checks what the desktop reads
# of it: the launcher entry and the AppStream metadata pass their validators, the icon is where
# the entry's Icon= finds it in the hicolor theme, and the launcher's program starts from the
# installed tree and finds its Resources there.
# Usage: installed_entry_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
pid= xvfb=
trap 'kill $pid $xvfb 2>/dev/null || true; rm -rf "$prefix"' EXIT
fail() { echo "FAIL $*"; exit 1; }
# await SECONDS WHAT COMMAND...: until COMMAND succeeds, or the test fails saying WHAT was not seen.
await() {
  local seconds=$1 what=$2 until=$((SECONDS + $1))
  shift 2
  until "$@"; do
    [ "$SECONDS" -lt "$until" ] || fail "$what within $seconds s"
    sleep 0.1
  done
}

cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$(ls "$prefix"/share/applications/*.desktop)
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"

icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no $icon.svg in the hicolor theme"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $(basename "$entry")"

launcher=$(sed -n 's/^Exec=//p' "$entry")
[ "$launcher" = "$prefix/bin/kelvory" ] || fail "Exec=$launcher is not the installed program"

# Started as the launcher starts it, on a private X server: it hands over from the intro, its
# window carries the class the entry names (which ties it to the entry), it quits on Ctrl+Q, and
# nothing was said of missing media (a picture, sound or movie not found in Resources would be).
# No session bus: with none named, one is started through the X server and outlives the case.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$prefix/display" 2>/dev/null &
xvfb=$!
await 30 "Xvfb's display number" test -s "$prefix/display"
export DISPLAY=:$(cat "$prefix/display")
cd "$prefix"
DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb "$launcher" 2>"$prefix/stderr" &
pid=$!
shown() {
  kill -0 "$pid" 2>/dev/null || { cat "$prefix/stderr"; fail "the installed program ended early"; }
  xwininfo -name "Kelvory 1.0" 2>/dev/null | grep -q "Map State: IsViewable"
}
await 60 "the rating window after the intro" shown
window=$(xwininfo -name "Kelvory 1.0" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
[ "$class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] || fail "the window's class \"$class\" is not the entry's"
timeout 10 xdotool windowfocus --sync "$window" || fail "the rating window takes no keyboard focus"
xdotool key ctrl+q
await 20 "the end after Ctrl+Q" eval '! kill -0 "$pid" 2>/dev/null'
wait "$pid" || fail "the installed program ended with status $?"
if grep -E "Resources|no picture|cannot open" "$prefix/stderr"; then fail "the installed program misses its media"; fi
echo "ok   installed entry, icon, metainfo and program"
