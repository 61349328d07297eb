#!/bin/sh
# Runs a test program under a small window manager (openbox) on the X display
# that DISPLAY names, so that the windows get the decorations and placement a
# user's desktop gives them. Meant to run inside tests/own-display.sh.
case " $* " in
*" --gtest_list_tests "*) exec "$@" ;;
esac

if ! command -v openbox >/dev/null 2>&1; then
    echo "with-window-manager: openbox is not installed (scripts/install-deps.sh)" >&2
    exit 1
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/vesk-wm-XXXXXX") || exit 1
wm=""
finish() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
trap 'exit 130' INT TERM

# A configuration of its own: no user's settings, no session.
HOME="$dir" openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
# The window manager has taken the display once the root window carries its
# supporting-window property; a loaded machine may take a while to start it.
for _ in $(seq 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    kill -0 "$wm" 2>/dev/null || break
    sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "with-window-manager: openbox did not start:" >&2
    cat "$dir/openbox.log" >&2
    exit 1
fi
"$@"
