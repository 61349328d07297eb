#!/bin/sh
# Measures VeskStudio with 16 Nuvek and Ribex units and their pages open
# against the simulated bus, beside the empty window (the same bus without
# units):
#   - idle CPU: the program's user and system time over a quiet period, in
#     percent of one core, once every page shows its unit's records;
#   - memory: the resident set at the end of that period;
#   - record latency: vesk-pagelatency, the time from a record's last
#     character on the line to the new value on its page.
# Usage: scripts/measure-performance.sh [SETTLE_SECONDS] [QUIET_SECONDS]
# Without a display it runs itself on a virtual one (xvfb-run).
set -e
cd "$(dirname "$0")/.."
settle=${1:-90}
quiet=${2:-30}

if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j4 --target VeskStudio vesk-simbus vesk-pagelatency >/dev/null

run=$(mktemp -d)
simbus=
program=
# Ends what still runs and removes the folder, whichever way the script ends,
# and keeps the status of its work.
finish() {
    status=$?
    set +e
    for pid in $program $simbus; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$run"
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
adapters=$(ls /sys/class/tty 2>/dev/null | grep -cE '^tty(USB|ACM)[0-9]+$' || true)
ticks=$(getconf CLK_TCK)

# CPU seconds (user + system) of a process so far, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# measure NAME UNITS...: starts the bus with the units and the program on it,
# waits, then sets result to NAME, the CPU percent over the quiet period and
# the resident kilobytes. It runs in the script's own shell, so that finish
# sees the processes it started.
measure() {
    name=$1
    shift
    ./build/tools/vesk-simbus --link "$run/bus" "$@" >/dev/null &
    simbus=$!
    for _ in $(seq 50); do
        [ -e "$run/bus" ] && break
        kill -0 "$simbus" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -e "$run/bus" ]; then
        echo "measure-performance.sh: the simulated bus did not start" >&2
        exit 1
    fi
    mkdir -p "$run/home"
    printf '[VeskStudio]\nPort=%s\nStudio=1\nStart=1\nEnd=16\n' "$((adapters + 1))" > "$run/home/.VeskStudio"
    HOME="$run/home" VESKCOMM_PORTS="$run/bus" GDK_BACKEND=x11 ./build/VeskStudio &
    program=$!
    sleep "$settle"
    before=$(cpu_ticks "$program")
    sleep "$quiet"
    after=$(cpu_ticks "$program")
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$program/status")
    kill "$program" "$simbus"
    wait "$program" "$simbus" 2>/dev/null || true
    program=
    simbus=
    rm -f "$run/bus"
    result="$name $(echo "$before $after $ticks $quiet" | awk '{ printf "%.2f", 100 * ($2 - $1) / $3 / $4 }') $rss"
}

units=""
for address in $(seq 16); do
    if [ $((address % 2)) -eq 1 ]; then type=20; else type=32; fi
    units="$units $address:1:$type:1"
done

measure empty
empty=$result
# shellcheck disable=SC2086
measure loaded $units
loaded=$result
echo "$empty" | awk '{ printf "empty window:       CPU %s %% of a core, resident %s kB\n", $2, $3 }'
echo "$loaded" | awk '{ printf "16 units and pages: CPU %s %% of a core, resident %s kB\n", $2, $3 }'
echo "$empty $loaded" | awk '{ printf "memory beside the empty window: %+.1f %%\n", 100 * ($6 - $3) / $3 }'
./build/tools/vesk-pagelatency
