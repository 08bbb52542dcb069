#!/usr/bin/env bash
# Measures what the running program costs while the simulated processor holds still: CPU time
# over a window of seconds and resident memory, against a bare Qt 6 tray program measured the
# same way on the same private X server. Prints one Markdown table.
#   bench/idle-cost.sh [build folder] [seconds]
set -euo pipefail
build=${1:-build}
seconds=${2:-60}
stage="$build/stage/sim"
baseline="$build/bench/qt-tray-baseline/qt-tray-baseline"

display=""
for n in $(seq 130 160); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
runtime=$(mktemp -d)
trace="$runtime/still.trace"
printf '0 0xC 0x06\n' > "$trace"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$runtime"; }
trap cleanup EXIT
Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp -noreset >/dev/null 2>&1 & pids+=($!)
export DISPLAY="$display" XDG_RUNTIME_DIR="$runtime"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 & pids+=($!)
sleep 1

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

measure() { # name, command...
    local name=$1; shift
    "$@" >/dev/null 2>&1 &
    local pid=$!
    pids+=("$pid")
    sleep 5 # start-up and the first sweep are not part of the idle cost
    local before; before=$(cpu_ticks "$pid")
    sleep "$seconds"
    local after; after=$(cpu_ticks "$pid")
    local rss; rss=$(rss_kib "$pid")
    kill "$pid"
    awk -v n="$name" -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" -v r="$rss" \
        'BEGIN { printf "| %s | %.3f %% | %d KiB |\n", n, 100 * t / hz / s, r }'
}

echo "| program | CPU of one core over ${seconds} s | resident memory |"
echo "|---|---|---|"
HUSHWAVE_SIM_TRACE="$trace" measure "hushwave (simulated processor holding still)" "$stage/hushwave"
measure "bare Qt 6 tray program" "$baseline"
