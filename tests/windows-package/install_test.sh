#!/usr/bin/env bash
# The Windows packages under Wine. The installer refuses a Windows older than
# 10 version 1903 (Wine plays Windows 7, then Windows 10). A silent install puts the program and its
# licence into the user's program folder with a Start-menu shortcut and an
# uninstall entry (with the installed size); a silent uninstall takes them
# away again and keeps the user's files there. The portable zip holds the
# program, its help page and the licence. The program itself names its maker,
# licence and purpose, carries its icon in every size Windows picks from, and
# loads the remote-access library only when it runs.
# scripts/test-windows runs it after scripts/package-windows, in its prefix.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps --windows unzip icoutils
start=$SECONDS
build=$PWD/build-windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEDEBUG=-all
# The shortcut made in the prefix adds no menu entry to this machine's desktop.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
wine=/usr/lib/wine/wine64
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick'
program_files=(tarnwick.exe twhelp.htm LICENSE.txt uninstall.exe)

fail() {
    echo "install test FAILED: $*" >&2
    exit 1
}
# A stuck installer (a dialog despite /S) fails the test instead of hanging it.
run_bounded() { timeout 120 "$wine" "$@"; }

mapfile -t windows_dirs < <("$wine" cmd /c \
    'echo %LOCALAPPDATA%\Programs\Tarnwick& echo %APPDATA%\Microsoft\Windows\Start Menu\Programs' |
    tr -d '\r')
windows_install_dir=${windows_dirs[0]}
mapfile -t unix_dirs < <("$wine" winepath -u "${windows_dirs[@]}")
install_dir=${unix_dirs[0]} shortcut=${unix_dirs[1]}/Tarnwick.lnk
[[ $install_dir == "$WINEPREFIX"/* ]] || fail "no install folder found in the prefix: '$install_dir'"
# What an earlier, failed run left; its uninstall entry would also choose the folder.
rm -rf "$install_dir" "$shortcut"
"$wine" reg delete "$uninstall_key" /f >/dev/null 2>&1 || true

# The Windows version Wine plays, put back at the end.
previous_windows=$("$wine" winecfg /v | tr -d '\r')
copy_dir=$(mktemp -d)
trap '"$wine" winecfg /v "$previous_windows"; rm -rf "$copy_dir"' EXIT
"$wine" winecfg /v win7
! run_bounded "$build/tarnwick-$version-setup.exe" /S || fail "the installer took Windows 7"
[ ! -e "$install_dir" ] || fail "the installer refused Windows 7 but left $install_dir"
"$wine" winecfg /v win10

run_bounded "$build/tarnwick-$version-setup.exe" /S || fail "the silent install ended with $?"
for f in "${program_files[@]}"; do
    [ -f "$install_dir/$f" ] || fail "$f is not in $install_dir"
done
cmp -s "$build/tarnwick.exe" "$install_dir/tarnwick.exe" || fail "the installed tarnwick.exe is not the built one"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry=$("$wine" reg query "$uninstall_key" | tr -d '\r') || fail "no uninstall entry under HKCU"
registered() {  # the value named $1 of the uninstall entry
    awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }' <<<"$entry"
}
[ "$(registered DisplayVersion)" = "$version" ] || fail "the entry's version is not $version"
[ "$(registered InstallLocation)" = "$windows_install_dir" ] || fail "the entry names another folder"
[ "$(registered UninstallString)" = "\"$windows_install_dir\\uninstall.exe\"" ] ||
    fail "the entry names another uninstaller: $(registered UninstallString)"
size_kb=$(($(registered EstimatedSize)))
[ "$size_kb" -ge "$(($(stat -c %s "$build/tarnwick.exe") / 1024))" ] ||
    fail "the entry's EstimatedSize is $(registered EstimatedSize)"

# The user's files, made by the program while it ran.
printf '[Task List]\n' >"$install_dir/task.ini"
mkdir "$install_dir/logs"
printf 'run\n' >"$install_dir/logs/tasks.csv"

# Run from a copy with _?= the uninstaller works in place and returns when
# done; run as installed it copies itself away and returns at once.
cp "$install_dir/uninstall.exe" "$copy_dir/"
run_bounded "$copy_dir/uninstall.exe" /S "_?=$windows_install_dir" || fail "the silent uninstall ended with $?"
for f in "${program_files[@]}"; do
    [ ! -e "$install_dir/$f" ] || fail "the uninstaller left $f"
done
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
[ "$(cat "$install_dir/task.ini")" = "[Task List]" ] || fail "the uninstaller took task.ini"
[ -f "$install_dir/logs/tasks.csv" ] || fail "the uninstaller took logs/"

zip=$build/tarnwick-$version-win64.zip
[ "$(unzip -Z1 "$zip" | sort | paste -sd ' ')" = "LICENSE.txt tarnwick.exe twhelp.htm" ] ||
    fail "the zip holds: $(unzip -Z1 "$zip" | paste -sd ' ')"
unzip -p "$zip" tarnwick.exe | cmp -s - "$build/tarnwick.exe" || fail "the zip's tarnwick.exe is not the built one"

exe=$build/tarnwick.exe
texts=$(strings -el "$exe")
for text in "Tarnwick developers" "Tarnwick dialer and scheduler" \
            "Copyright (c) 2026 the Tarnwick developers. MIT licence."; do
    grep -qxF "$text" <<<"$texts" || fail "the version resource lacks '$text'"
done
wrestool -x --type=14 "$exe" >"$copy_dir/icon.ico"
sizes=$(icotool -l "$copy_dir/icon.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n |
        paste -sd ' ')
[ "$sizes" = "16 20 24 32 48 256" ] || fail "the icon's sizes are $sizes"
! grep -qi 'DLL Name: rasapi32' <<<"$(x86_64-w64-mingw32-objdump -p "$exe")" ||
    fail "tarnwick.exe imports rasapi32.dll, so it cannot start without it"

rm -rf "$install_dir"
echo "Install test passed in $((SECONDS - start)) s"
