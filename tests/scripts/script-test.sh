#!/bin/sh
# Runs a script of scripts/ in a copy of the source tree whose build is
# stood in for: cmake and the installer do nothing, the program and the
# latency tool are small stand-ins, the bus is the real vesk-simbus, one that
# ends at once or one that does not start. Checks the script's exit status,
# that its temporary folder is gone and that nothing it started still runs.
# Usage: script-test.sh CASE SOURCE_DIR VESK_SIMBUS
case_name=$1
source_dir=$2
real_simbus=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree=$work/tree
mkdir -p "$tree/scripts" "$tree/build/tools" "$work/bin" "$work/tmp"
cp "$source_dir/scripts/run.sh" "$source_dir/scripts/measure-performance.sh" "$tree/scripts/"

stub() {
    printf '#!/bin/sh\n%s\n' "$2" > "$1"
    chmod +x "$1"
}
stub "$work/bin/cmake" 'exit 0'
stub "$tree/scripts/install-deps.sh" 'exit 0'
stub "$tree/build/tools/vesk-simbus" 'echo $$ >> "$STUB_PIDS"
case "$STUB_BUS" in
    real) exec "$REAL_SIMBUS" "$@" ;;
    ends) ln -s /dev/null "$2"; exit 0 ;;
    fails) exec "$REAL_SIMBUS" 1:1:99 ;;
esac'
stub "$tree/build/VeskStudio" 'echo $$ >> "$STUB_PIDS"
if [ ! -e "$VESKCOMM_PORTS" ] || [ ! -f "$HOME/.VeskStudio" ]; then
    echo "VeskStudio stand-in: no bus or no configuration" >&2
    exit 9
fi
case "$STUB_PROGRAM" in
    runs) exec sleep 60 ;;
    *) exit "$STUB_PROGRAM" ;;
esac'
stub "$tree/build/tools/vesk-pagelatency" 'echo "latency stand-in"; exit "$STUB_LATENCY"'

# CASE: the script and its arguments, the stand-ins' behaviour, the status
# and a line of output expected.
STUB_LATENCY=0
output_line=
case "$case_name" in
    MeasurePerformanceReportsAndLeavesNothingBehind)
        script="measure-performance.sh 0 1" STUB_BUS=real STUB_PROGRAM=runs expected=0
        output_line="16 units and pages: CPU" ;;
    MeasurePerformanceExitsWithTheLatencyToolsFailure)
        script="measure-performance.sh 0 1" STUB_BUS=real STUB_PROGRAM=runs STUB_LATENCY=3 expected=3
        output_line="latency stand-in" ;;
    MeasurePerformanceStopsWhenTheBusDoesNotStart)
        script="measure-performance.sh 0 1" STUB_BUS=fails STUB_PROGRAM=runs expected=1 ;;
    RunExitsWithTheProgramsStatusAndStopsTheBus)
        script=run.sh STUB_BUS=real STUB_PROGRAM=4 expected=4 ;;
    RunCleansUpWhenTheBusHasAlreadyEnded)
        script=run.sh STUB_BUS=ends STUB_PROGRAM=0 expected=0 ;;
    RunStopsWhenTheBusDoesNotStart)
        script=run.sh STUB_BUS=fails STUB_PROGRAM=0 expected=1 ;;
    *)
        echo "no such case: $case_name" >&2
        exit 2 ;;
esac

export STUB_PIDS="$work/pids" STUB_BUS STUB_PROGRAM STUB_LATENCY REAL_SIMBUS="$real_simbus"
export PATH="$work/bin:$PATH" TMPDIR="$work/tmp" DISPLAY=:stand-in
: > "$STUB_PIDS"
# shellcheck disable=SC2086
"$tree/scripts/"$script > "$work/out" 2>&1
status=$?

failed=0
fail() {
    echo "$case_name: $1"
    failed=1
}
[ "$status" -eq "$expected" ] || fail "exit status $status, expected $expected"
[ -z "$(ls -A "$work/tmp")" ] || fail "left behind in TMPDIR: $(ls -A "$work/tmp")"
[ -z "$output_line" ] || grep -q "$output_line" "$work/out" || fail "no line \"$output_line\""
[ -s "$STUB_PIDS" ] || fail "started no bus"
for pid in $(cat "$STUB_PIDS"); do
    # Orphans are reaped by init a moment later; a zombie has ended.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)
        [ -z "$state" ] || [ "$state" = Z ] && break
        sleep 0.1
    done
    if [ -n "$state" ] && [ "$state" != Z ]; then
        fail "process $pid ($(tr '\0' ' ' < "/proc/$pid/cmdline")) still runs"
        kill "$pid"
    fi
done
if [ "$failed" -ne 0 ]; then
    echo "--- the script's output:"
    cat "$work/out"
fi
exit "$failed"
