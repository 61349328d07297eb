#!/bin/sh
# Starts the simulated bus program with one unit and lets the C client find
# it through the shared library.
simbus=$1
client=$2
dir=$(mktemp -d)
"$simbus" --link "$dir/bus" 3:1:37:1 > "$dir/out" &
pid=$!
for _ in $(seq 50); do [ -e "$dir/bus" ] && break; sleep 0.1; done
VESKCOMM_PORTS="$dir/bus" "$client" "$dir/bus"
status=$?
kill "$pid"
wait "$pid" 2>/dev/null
rm -rf "$dir"
exit $status
