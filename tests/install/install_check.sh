#!/usr/bin/env bash
# Installs the build into a temporary prefix, then runs the installed program's command line
# without a display and asks it where it keeps its files: installed (the user's data folder and the share folder) and as a portable copy
# (one folder holding the program, sound/ and low.txt). Checks the menu entry, the icon and
# the AppStream data that were installed with it.
# Usage: install_check.sh BUILD_FOLDER
set -euo pipefail
build=${1:?build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The program runs as a user whose home is the temporary folder: nothing touches the real one.
export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/.local/share XDG_RUNTIME_DIR=$tmp/run
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM  # the check needs no display
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# expect_folders PROGRAM EXPECTED: the program's --folders output is exactly EXPECTED.
expect_folders() {
  local got
  got=$(timeout 60 "$1" --folders) || { fail "$1 --folders exited with $?"; return; }
  [ "$got" = "$2" ] || fail "$1 --folders printed:
$got
expected:
$2"
}

expect_folders "$prefix/bin/lotto36x7" "mode: installed
data: $XDG_DATA_HOME/lotto36x7
share: $prefix/share/lotto36x7"
[ ! -e "$XDG_DATA_HOME/lotto36x7" ] || fail "--folders created the user's data folder"

# The command line without a display: exit code, the start of what is printed (standard
# output and error together), the arguments.
while read -r code start args; do
  got=0
  # shellcheck disable=SC2086  # the arguments are split as written in the table
  out=$(timeout 60 "$prefix/bin/lotto36x7" $args 2>&1) || got=$?
  [ "$got" = "$code" ] || fail "lotto36x7 $args exited with $got, expected $code: $out"
  case "$out" in "$start"*) ;; *) fail "lotto36x7 $args printed: $out" ;; esac
done <<'ROWS'
0 用法： --help
0 lotto36x7 --version
2 lotto36x7：没有“--bogus” --bogus
2 lotto36x7：不需要参数 Save00.txt
1 lotto36x7：需要图形桌面
ROWS

share=$prefix/share
for f in lotto36x7/low.txt applications/lotto36x7.desktop metainfo/net.orvane.lotto36x7.metainfo.xml \
         icons/hicolor/scalable/apps/lotto36x7.svg icons/hicolor/48x48/apps/lotto36x7.png \
         icons/hicolor/128x128/apps/lotto36x7.png icons/hicolor/256x256/apps/lotto36x7.png; do
  [ -s "$share/$f" ] || fail "not installed: share/$f"
done
cues=$(find "$share/lotto36x7/sound" -name '*.mp3' | wc -l)
[ "$cues" -eq 6 ] || fail "installed $cues cue files, expected 6"
desktop-file-validate "$share/applications/lotto36x7.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$share/metainfo/net.orvane.lotto36x7.metainfo.xml" >/dev/null \
  || fail "appstreamcli validate"
# Each screenshot the AppStream data names is one of the pictures ./dev shot writes.
shots=$(dirname "$0")/../shots
for name in $(grep -o 'screenshots/[a-z0-9_]*\.png' "$share/metainfo/net.orvane.lotto36x7.metainfo.xml"); do
  name=${name#screenshots/}
  grep -rqF "QStringLiteral(\"${name%.png}\")" "$shots" || fail "./dev shot writes no $name"
done

# A portable copy: the program beside sound/ and low.txt in a folder the user may write.
portable=$tmp/usb-stick
mkdir "$portable"
cp -r "$prefix/bin/lotto36x7" "$share/lotto36x7/." "$portable/"
expect_folders "$portable/lotto36x7" "mode: portable
data: $portable
share: $portable"

[ "$failures" -eq 0 ] && echo "install check passed"
exit "$failures"
