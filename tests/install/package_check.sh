#!/usr/bin/env bash
# The Debian package as a user gets it: its fields and its hardening, then installed with
# apt-get, started by a throwaway ordinary user on a private X server, where a test driver
# (a toolkit plugin) runs a prize check that saves slot 0; then removed. Nothing of the
# package may be left in /usr, and the user's slot must be. Needs root.
# Usage: package_check.sh PACKAGE_FOLDER BUILD_LOG DRIVER_PLUGIN
set -euo pipefail
folder=$(realpath "${1:?folder of the built .deb files}")  # apt-get takes a path as a path only
build_log=${2:?the package build log}
driver=${3:?the driver plugin}
arch=$(dpkg --print-architecture)
deb=$(ls "$folder"/lotto36x7_*_"$arch".deb)
dbgsym=$(ls "$folder"/lotto36x7-dbgsym_*_"$arch".deb)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ "$(id -u)" -eq 0 ] || { echo "package_check: needs root (it installs the package)" >&2; exit 1; }
if dpkg-query -W -f='${Status}' lotto36x7 2>/dev/null | grep -q 'ok installed'; then
  echo "package_check: lotto36x7 is installed on this machine already; remove it first" >&2
  exit 1
fi

# apt-get waits for another installation on the machine to finish rather than failing.
apt=(apt-get -o DPkg::Lock::Timeout=300 -y -qq)
tmp=$(mktemp -d)
chmod 755 "$tmp"
user=lottocheck$$
installed=0
cleanup() {
  [ "$installed" -eq 0 ] || "${apt[@]}" purge lotto36x7 lotto36x7-dbgsym >/dev/null 2>&1 || true
  id "$user" >/dev/null 2>&1 && userdel "$user" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# --- The fields: only the libraries and one CJK face are needed; the rest is recommended.
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
case ", $depends," in
  *", fonts-wqy-zenhei | fonts-noto-cjk,"*) ;;
  *) fail "Depends lacks the CJK face with its alternative" ;;
esac
for p in fonts-arphic-uming fonts-arphic-ukai qt6-translations-l10n pulseaudio-utils xdg-utils; do
  case ", $depends," in *" $p,"* | *" $p "*) fail "Depends names $p" ;; esac
  case ", $recommends," in *" $p,"*) ;; *) fail "Recommends lacks $p" ;; esac
done
[ -n "$(dpkg-deb -f "$deb" Homepage)" ] || fail "no Homepage"

# --- Hardening: every feature hardening-check can see in the program (PIE, stack protector,
# RELRO, BIND_NOW). Fortification, which it reports as missing when the compiler proved
# every call safe, is checked in the compile lines of the build; the control-flow mark
# cannot be had on Debian 12, whose C library start files lack it.
dpkg-deb -x "$deb" "$tmp/unpacked"
program=$tmp/unpacked/usr/bin/lotto36x7
hardening-check --nofortify --nocfprotection "$program" || fail "hardening-check"
grep -q -- '-D_FORTIFY_SOURCE=2 .*app/main.cpp' "$build_log" || fail "not compiled with _FORTIFY_SOURCE"
sections=$(readelf -S --wide "$program")
for s in .symtab .debug_info .comment; do
  if grep -qF " $s " <<<"$sections"; then fail "the program keeps its $s section"; fi
done
build_id=$(readelf -n "$program" | sed -n 's/.*Build ID: *//p')
dpkg-deb --fsys-tarfile "$dbgsym" | tar -t >"$tmp/dbgsym.list"
grep -qxF "./usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" "$tmp/dbgsym.list" \
  || fail "the -dbgsym package holds no debug file for build id $build_id"

# --- What the packages hold, and which of their folders exist before they are installed.
paths=$tmp/paths
for d in "$deb" "$dbgsym"; do dpkg-deb --fsys-tarfile "$d" | tar -t; done | sed 's|^\./|/|; s|/$||' | grep -v '^$' | sort -u >"$paths"
existing=$tmp/existing
while read -r p; do if [ -e "$p" ]; then echo "$p"; fi; done <"$paths" >"$existing"

# --- Installed as a user installs it: with what it depends on only.
export DEBIAN_FRONTEND=noninteractive
installed=1
"${apt[@]}" install --no-install-recommends "$deb" "$dbgsym" >/dev/null

# --- Started by an ordinary user on a private X server; the driver saves slot 0 through the
# prize check and answers the exit question.
home=$tmp/home
useradd --create-home --home-dir "$home" --shell /bin/sh "$user"
mkdir -p "$tmp/plugins/generic" "$tmp/run"
cp "$driver" "$tmp/plugins/generic/"
chmod -R a+rX "$tmp/plugins"
chown "$user" "$tmp/run" && chmod 700 "$tmp/run"
status=0
xvfb-run -a -f "$tmp/xauth" -s "-screen 0 1600x1000x24" bash -c '
  chown "$1" "$XAUTHORITY"
  exec runuser -u "$1" -- env -i HOME="$2" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    XAUTHORITY="$XAUTHORITY" XDG_RUNTIME_DIR="$3" QT_PLUGIN_PATH="$4" QT_QPA_GENERIC_PLUGINS=lottodriver \
    timeout 120 lotto36x7' _ "$user" "$home" "$tmp/run" "$tmp/plugins" >"$tmp/run.log" 2>&1 || status=$?
cat "$tmp/run.log"
[ "$status" -eq 0 ] || fail "the installed program exited with $status"
slot=$home/.local/share/lotto36x7/Save00.txt
grep -q '^01 02 03 04 05 06 08 ' "$slot" 2>/dev/null || fail "slot 0 does not hold the line keyed: $slot"
[ "$(stat -c %U "$slot" 2>/dev/null)" = "$user" ] || fail "slot 0 is not the user's own"
[ -s "$home/.local/share/lotto36x7/t0.txt" ] || fail "slot 0 has no time file"

# --- Removed: nothing of it is left, the user's slot stays.
"${apt[@]}" purge lotto36x7 lotto36x7-dbgsym >/dev/null
installed=0
while read -r p; do
  [ -e "$p" ] || continue
  if [ -d "$p" ]; then grep -qxF "$p" "$existing" || fail "left behind: $p/"
  else fail "left behind: $p"; fi
done <"$paths"
grep -q '^01 02 03 04 05 06 08 ' "$slot" 2>/dev/null || fail "the user's slot went with the package"

[ "$failures" -eq 0 ] && echo "package check passed"
exit "$failures"
