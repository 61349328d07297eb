#!/bin/sh
# Runs a test program on a virtual X display of its own, so that tests which
# move the pointer or the keyboard focus can run side by side. The X server
# picks a free display number itself (-displayfd), so parallel starts never
# race for one. Listing the tests needs no display. The screen is 1280x1024
# pixels, or the size that VESK_SCREEN gives as WIDTHxHEIGHT.
case " $* " in
*" --gtest_list_tests "*) exec "$@" ;;
esac

screen=${VESK_SCREEN:-1280x1024}
if ! printf '%s\n' "$screen" | grep -Eq '^[0-9]+x[0-9]+$'; then
    echo "own-display: VESK_SCREEN must be WIDTHxHEIGHT, not \"$screen\"" >&2
    exit 2
fi

dir=$(mktemp -d "${TMPDIR:-/tmp}/vesk-display-XXXXXX") || exit 1
xvfb=""
finish() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
trap 'exit 130' INT TERM

mkfifo "$dir/display"
# Without -noreset the server starts afresh whenever its last client leaves,
# and a client that connects just then (a window manager after a short-lived
# probe) is refused.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
read -r number <"$dir/display"
if [ -z "$number" ]; then
    echo "own-display: the X server did not start:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$number"
export DISPLAY
"$@"
status=$?
exit $status
