#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a packager would, and checks what the desktop reads
# of it: the launcher entry and the AppStream metadata pass their validators, the icon is where
# the entry's Icon= finds it in the hicolor theme, and the launcher's program starts from the
# installed tree and finds its Resources there.
# Usage: installed_entry_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$prefix"' EXIT
pid=
fail() { echo "FAIL $*"; exit 1; }

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
# Windows carry the class the entry names, so the desktop ties them to it.
grep -q '^StartupWMClass=Kelvory$' "$entry" || fail "StartupWMClass is not the windows' class"

# Started as the launcher starts it: still running after the intro, and nothing said of missing
# media (a picture, sound or movie not found in Resources would be).
cd "$prefix"
QT_QPA_PLATFORM=offscreen "$launcher" 2>"$prefix/stderr" &
pid=$!
sleep 10
kill -0 "$pid" 2>/dev/null || { cat "$prefix/stderr"; fail "the installed program ended early"; }
if grep -E "Resources|no picture|cannot open" "$prefix/stderr"; then fail "the installed program misses its media"; fi
echo "ok   installed entry, icon, metainfo and program"
