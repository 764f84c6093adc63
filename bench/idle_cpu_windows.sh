#!/usr/bin/env bash
# Idle CPU of the Windows program under Wine with the interval schedule on and
# a line up: runs tarnwick.exe on a virtual display in a temp folder with
# "/s MyISP /a /d" (simulated dialer, empty task list, so the line stays up),
# lets it settle, then measures the user + system CPU time of the program and
# of the Wine server it talks to over SECONDS (60 unless given), as a
# percentage of one core. The target is below 0.5 %.
# Usage: bench/idle_cpu_windows.sh [path/to/tarnwick.exe] [SECONDS]
set -euo pipefail
binary=$(realpath "${1:-build-windows/tarnwick.exe}")
seconds=${2:-60}
export WINEPREFIX=${WINEPREFIX:-$(dirname "$binary")/wine} WINEDEBUG=-all TARNWICK_DIALER=simulated
wine_dir=/usr/lib/wine

folder=$(mktemp -d "$(dirname "$binary")/idle.XXXXXX")
. "$(dirname "$0")/../scripts/lib/virtual_display.sh"
trap 'kill "${pid:-}" "${server:-}" 2>/dev/null || true; stop_virtual_display; rm -rf "$folder"' EXIT
start_virtual_display
"$wine_dir/wineserver" -k 2>/dev/null || true
"$wine_dir/wineserver" -f -p &
server=$!
cp "$binary" "$folder/tarnwick.exe"
ras="$WINEPREFIX/drive_c/windows/system32/ras"
mkdir -p "$ras"
printf '[MyISP]\r\nSimulatedConnectSeconds=1\r\n' >"$ras/rasphone.pbk"

"$wine_dir/wine64" "$folder/tarnwick.exe" /s MyISP /a /d &
pid=$!
window=$(timeout 120 xdotool search --sync --name '^(Tarnwick v1.20|[0-9]{2}:[0-9]{2}:[0-9]{2})$' | head -1)
sleep 5
# Connected and minimized, the caption shows the connect time.
[[ "$(xdotool getwindowname "$window")" =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] ||
    { echo "the line is not up: $(xdotool getwindowname "$window")" >&2; exit 1; }

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
before=$(($(cpu_ticks "$pid") + $(cpu_ticks "$server")))
sleep "$seconds"
after=$(($(cpu_ticks "$pid") + $(cpu_ticks "$server")))

awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
    'BEGIN { printf "idle CPU under Wine with the schedule on and the line up: %.2f %% of one core over %d s\n", 100 * t / hz / s, s }'
