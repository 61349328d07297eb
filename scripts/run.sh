#!/bin/sh
# Installs what is needed, builds VeskStudio and starts it against a
# simulated bus of flash units on a pseudo-terminal, so that the
# program can be tried without an adapter.
set -e
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j "$(nproc)"

run=$(mktemp -d)
simbus=
# Stops the bus if it still runs and removes the folder, whichever way the
# script ends, and keeps the program's exit status.
finish() {
    status=$?
    set +e
    if [ -n "$simbus" ]; then
        kill "$simbus" 2>/dev/null
        wait "$simbus" 2>/dev/null
    fi
    rm -rf "$run"
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
./build/tools/vesk-simbus --link "$run/bus" 1:1:37:model 2:1:137:model 3:1:20:1 4:1:32:1 5:1:16:65 6:1:18:8 >/dev/null &
simbus=$!
for _ in $(seq 50); do
    [ -e "$run/bus" ] && break
    kill -0 "$simbus" 2>/dev/null || break
    sleep 0.1
done
if [ ! -e "$run/bus" ]; then
    echo "run.sh: the simulated bus did not start" >&2
    exit 1
fi

# The simulated bus is listed after the USB adapters; a configuration of
# its own selects it.
adapters=$(ls /sys/class/tty 2>/dev/null | grep -cE '^tty(USB|ACM)[0-9]+$' || true)
mkdir -p "$run/home"
printf '[VeskStudio]\nPort=%s\nStudio=1\nStart=1\nEnd=6\n' "$((adapters + 1))" > "$run/home/.VeskStudio"
export HOME="$run/home" VESKCOMM_PORTS="$run/bus" GDK_BACKEND=x11
if [ -n "$DISPLAY" ]; then
    ./build/VeskStudio
else
    echo "No display: VeskStudio runs on a virtual one (xvfb-run); stop it with Ctrl-C."
    xvfb-run -a -s "-screen 0 1280x1024x24" ./build/VeskStudio
fi
