#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack, checked by lintian and
# hardening-check, unpacked into a temporary root and run from there by a user
# who is not root, with a home of its own. Its desktop entry, metainfo, user
# unit and man page are checked by their own tools.
# Usage: package_test.sh BUILD_FOLDER VERSION NETWORKMANAGER(ON|OFF)
set -euo pipefail
build=$(realpath "$1")
version=$2
networkmanager=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

echo "== the package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.txt" ||
    { cat "$work/cpack.txt"; exit 1; }
deb="$work/out/tarnwick_${version}-1_amd64.deb"
[ -f "$deb" ] || { ls "$work/out"; fail "no $(basename "$deb")"; exit 1; }
lintian --fail-on error,warning "$deb" || fail "lintian"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* ]] || fail "the Qt libraries are no dependency"
libnm=OFF
[[ $depends != *libnm0* ]] || libnm=ON
[ "$libnm" = "$networkmanager" ] ||
    fail "libnm0 a dependency: $libnm; the NetworkManager dialer built in: $networkmanager"

root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/tarnwick"
# Debian 12's C start files (crt1.o, crti.o) carry no CET mark, so no program
# linked there has one (nor has /bin/ls): the code's own marks (endbr64, from
# -fcf-protection) stand for it.
hardening-check --nocfprotection "$program" || fail "hardening-check"
[ "$(objdump -d "$program" | grep -c endbr64)" -gt 100 ] ||
    fail "the program is not built for control-flow protection (-fcf-protection)"
copyright="$root/usr/share/doc/tarnwick/copyright"
{ grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$copyright" && grep -qx 'License: Expat' "$copyright" &&
    grep -q '<project_license>MIT</project_license>' \
        "$root/usr/share/metainfo/example.lumarin.tarnwick.metainfo.xml"; } ||
    fail "the licence: not MIT in a machine-readable copyright file and the metainfo"
home="$work/home"
files="$home/.config/tarnwick"
mkdir -p "$files/ras"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# No display and no Qt platform: the console answers must not start Qt.
run() { "${as_user[@]}" env -i HOME="$home" PATH=/usr/bin:/bin "$@"; }
snapshot() { find "$root" -printf '%P %s %T@ %m\n' | sort; }
snapshot >"$work/tree-before.txt"

echo "== the console answers"
[ "$(run "$program" --version)" = "Tarnwick $version" ] || fail "--version"
run "$program" --help >"$work/help.txt" || fail "--help exit code"
head -n 1 "$work/help.txt" | grep -q '^Usage: tarnwick ' || fail "--help: $(head -n 1 "$work/help.txt")"
code=0
run "$program" --bogus >"$work/out.txt" 2>"$work/err.txt" || code=$?
[ "$code" -eq 2 ] || fail "an unknown option ended with $code"
[ "$(wc -l <"$work/err.txt")" -eq 1 ] && grep -q -- '--help' "$work/err.txt" &&
    [ ! -s "$work/out.txt" ] || fail "an unknown option: $(cat "$work/err.txt")"

echo "== a run from the unpacked tree, its files under HOME"
task="$home/task.sh"
printf '#!/bin/sh\necho "$*" >> "$HOME/ran.txt"\n' >"$task"
chmod 755 "$task"
printf '%s\r\n' '[MyISP]' 'SimulatedConnectSeconds=1' >"$files/ras/rasphone.pbk"
printf '%s\r\n' '[Current]' 'Run Tasks At Connect=Yes' 'Disconnect After Last Task=Yes' \
    'Save Logs=Yes' >"$files/tw.ini"
printf '%s\r\n' '[Tasks]' "task0=$task" '[Parameters]' "$task=unpacked" '[Start Time]' \
    "$task=00:00" '[Stop Time]' "$task=23:00" '[Interval]' "$task=1 hour" '[Enabled]' \
    "$task=Y" >"$files/task.ini"
[ "${#as_user[@]}" -eq 0 ] || chown -R nobody:nogroup "$home"

run "$program" --agenda 2 >"$work/agenda.txt" || fail "--agenda exit code"
grep -q "  $task unpacked\$" "$work/agenda.txt" || fail "--agenda: $(cat "$work/agenda.txt")"

code=0
run QT_QPA_PLATFORM=offscreen timeout 60 "$program" /s MyISP /d /x 2>"$work/run-err.txt" ||
    code=$?
[ "$code" -eq 0 ] || fail "/s MyISP /d /x ended with $code: $(cat "$work/run-err.txt")"
[ "$(cat "$home/ran.txt" 2>/dev/null)" = unpacked ] || fail "the task did not run"
grep -q 'Connected to MyISP' "$files/logs/last.log" || fail "no session log under HOME"
grep -q "^Help File=$root/usr/share/tarnwick/twhelp.htm"$'\r'"\$" "$files/tw.ini" ||
    fail "the help page was not found in the tree: $(grep 'Help File' "$files/tw.ini")"
(cd "$home" && find . -path ./.config/tarnwick/outbox -prune -o -type f -print | sort)
snapshot | diff "$work/tree-before.txt" - || fail "the run wrote into the unpacked tree"

echo "== the desktop entry, metainfo, user unit and man page"
desktop=$(desktop-file-validate "$root/usr/share/applications/tarnwick.desktop" 2>&1) &&
    [ -z "$desktop" ] || fail "desktop entry: $desktop"
appstreamcli validate-tree --no-net "$root" || fail "metainfo"
unit="$root/usr/lib/systemd/user/tarnwick-schedule@.service"
grep -qx 'ExecStart=/usr/bin/tarnwick /s %I /a' "$unit" || fail "ExecStart: $(grep Exec "$unit")"
# The unit as it would be installed, naming the unpacked program.
mkdir "$work/units" "$work/runtime"
sed "s|/usr/bin/tarnwick|$program|" "$unit" >"$work/units/tarnwick-schedule@.service"
# It ignores a line it cannot parse with only a message: any message fails.
verify=$(XDG_RUNTIME_DIR="$work/runtime" MANPATH="$root/usr/share/man" \
    systemd-analyze verify --user "$work/units/tarnwick-schedule@MyISP.service" 2>&1) &&
    [ -z "$verify" ] || fail "systemd-analyze verify: $verify"
# Entry names with a "-" or a blank, the unit named as the man page says: the
# command line systemd's user manager would run (it dumps it without running it).
chmod -R a+rX "$work/units"
chmod 700 "$work/runtime"
[ "${#as_user[@]}" -eq 0 ] || chown nobody "$work/runtime"
for entry in "T-Online" "My ISP"; do
    instance=$(systemd-escape --template=tarnwick-schedule@.service "$entry")
    started=$(run XDG_RUNTIME_DIR="$work/runtime" SYSTEMD_UNIT_PATH="$work/units:" \
        /lib/systemd/systemd --test --user --no-pager --unit="$instance" 2>/dev/null |
        sed -n "s|^[[:space:]]*Command Line: $program ||p")
    [ "$started" = "/s \"$entry\" /a" ] || [ "$started" = "/s $entry /a" ] ||
        fail "$instance runs: tarnwick $started"
done
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
    "$root/usr/share/man/man1/tarnwick.1.gz" 2>&1 >"$work/man.txt")
[ -z "$man_warnings" ] || fail "man: $man_warnings"
grep -qF 'systemd-escape --template=tarnwick-schedule@.service' "$work/man.txt" ||
    fail "the man page does not tell how to name the unit"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "the package passed"
