#!/usr/bin/env bash
# Idle CPU of the program with the interval schedule on and a line up: runs the
# built program offscreen in a temp folder with "/s MyISP /a /d" (simulated
# dialer, empty task list, so the line stays up), lets it settle, then measures
# its user + system CPU time over SECONDS (60 unless given) and prints it as a
# percentage of one core. The target is below 0.5 %.
# Usage: bench/idle_cpu.sh [path/to/tarnwick] [SECONDS]
set -euo pipefail
binary=$(realpath "${1:-build/tarnwick}")
seconds=${2:-60}

folder=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$folder"' EXIT
cp "$binary" "$folder/tarnwick"
mkdir -p "$folder/ras"
printf '[MyISP]\r\nSimulatedConnectSeconds=1\r\n' > "$folder/ras/rasphone.pbk"
printf '[Current]\r\nSave Logs=Yes\r\n' > "$folder/tw.ini"

(cd "$folder" && QT_QPA_PLATFORM=offscreen exec ./tarnwick /s MyISP /a /d 2>stderr.txt) &
pid=$!
sleep 5

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
kill -TERM "$pid"
wait "$pid" || true

ticks_per_second=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" \
    'BEGIN { printf "idle CPU with the schedule on and the line up: %.2f %% of one core over %d s\n", 100 * t / hz / s, s }'

# The saved log shows the run was in the state measured.
for line in "Scheduler turned on" "Connected to MyISP"; do
    grep -q "$line" "$folder/logs/last.log" || { echo "the log lacks '$line'" >&2; exit 1; }
done
[ "$(grep -c "Disconnected from MyISP" "$folder/logs/last.log")" -le 1 ] ||
    { echo "the line was hung up during the measurement" >&2; exit 1; }
