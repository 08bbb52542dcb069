#!/usr/bin/env bash
# Measures what the running program costs at rest beside programs of its kind, all at the same
# time on one private X server with a tray host: the staged program with the simulated processor
# holding still, a bare loop waking on a 10 ms timerfd (the floor for any program with a 10 ms
# timer), the bare Qt 6 tray program (also with a 10 ms QTimer), the platform's message loop on
# Qt with one empty 10 ms timer, GKrellM, conky at 10 Hz in its own window and CPU-X.
# Run time is each process's exact time on a processor (/proc/PID/task/*/schedstat, summed over
# its threads), taken over the same window after a settling time; resident memory is the largest
# VmRSS seen during that window. Installs the peers from Debian when they are missing.
# Prints one Markdown table.
#   bench/idle-peers.sh [build folder] [seconds] [settling seconds]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
seconds=${2:-60}
settle=${3:-10}
stage="$build/stage/sim"
baseline="$build/bench/qt-tray-baseline/qt-tray-baseline"
loop="$build/bench/wakeup-loop/wakeup-loop"
for file in "$stage/hushwave" "$baseline" "$loop"; do
    [ -x "$file" ] || { echo "idle-peers: $file is not built" >&2; exit 1; }
done

missing=()
command -v gkrellm >/dev/null || missing+=(gkrellm)
command -v conky >/dev/null || missing+=(conky-std)
command -v cpu-x >/dev/null || missing+=(cpu-x)
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v trayer >/dev/null || missing+=(trayer)
command -v xdpyinfo >/dev/null || missing+=(x11-utils)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

display=""
for n in $(seq 130 160); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "idle-peers: no free X display number" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cc -O2 -o "$work/timer-floor" "$top/bench/timer-floor.c"
printf '0 0xC 0x06\n' >"$work/still.trace"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cat >"$work/conky.conf" <<'CONF'
conky.config = {
    update_interval = 0.1,
    out_to_x = true,
    out_to_console = false,
    own_window = true,
    own_window_type = 'normal',
    double_buffer = true,
    alignment = 'bottom_left',
};
conky.text = [[
${freq} MHz  ${cpu}%
]];
CONF

Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display" XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
pids+=($!)
sleep 1

names=()
started=()
start() { # name, command...
    local name=$1
    shift
    "$@" >/dev/null 2>&1 &
    pids+=($!)
    names+=("$name")
    started+=($!)
}
start "hushwave (\`build/stage/sim\`, simulated processor holding still)" \
    env HUSHWAVE_SIM_TRACE="$work/still.trace" "$stage/hushwave"
start "a bare C loop waking on a 10 ms timerfd and doing nothing" "$work/timer-floor"
start "the bare Qt 6 tray program of \`bench/qt-tray-baseline\`" "$baseline"
start "the same with a 10 ms \`QTimer\` doing nothing (\`qt-tray-baseline --timer\`)" "$baseline" --timer
start "the platform's message loop on Qt with one empty 10 ms timer (\`bench/wakeup-loop\`)" "$loop"
start "GKrellM $(dpkg-query -W -f='${Version}' gkrellm 2>/dev/null | cut -d- -f1) (10 Hz)" gkrellm
start "conky $(dpkg-query -W -f='${Version}' conky-std 2>/dev/null | cut -d- -f1), \`update_interval = 0.1\`, own X window" \
    conky -c "$work/conky.conf"
start "CPU-X $(dpkg-query -W -f='${Version}' cpu-x 2>/dev/null | cut -d- -f1) (GTK, 1 Hz)" cpu-x --gtk

# `env` execs the program, so every pid above is the measured program itself.
run_ns() { # the time all of a process's threads have run, in nanoseconds
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'
}
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

sleep "$settle"
declare -A before peak
for pid in "${started[@]}"; do
    [ -d "/proc/$pid" ] || { echo "idle-peers: a program ended during start-up (pid $pid)" >&2; exit 1; }
    before[$pid]=$(run_ns "$pid")
    peak[$pid]=$(rss_kib "$pid")
done
t0=$(date +%s%N)
for _ in $(seq "$seconds"); do
    sleep 1
    for pid in "${started[@]}"; do
        rss=$(rss_kib "$pid")
        [ "$rss" -gt "${peak[$pid]}" ] && peak[$pid]=$rss
    done
done
declare -A after
for pid in "${started[@]}"; do after[$pid]=$(run_ns "$pid"); done
t1=$(date +%s%N)

echo "| program | CPU of one core over $seconds s | resident memory |"
echo "|---|---|---|"
for i in "${!started[@]}"; do
    pid=${started[$i]}
    awk -v n="${names[$i]}" -v t=$((after[$pid] - before[$pid])) -v w=$((t1 - t0)) \
        -v r="${peak[$pid]}" 'BEGIN { printf "| %s | %.3f %% | %.1f MB |\n", n, 100 * t / w, r / 1024 }'
done
