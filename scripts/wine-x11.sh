# Running the game under Wine on an X display, for ./scripts/play and the
# end-to-end tests. Sourced, not run; build-common.sh comes first.
#
# The prefix is private to the build tree and uses the X11 driver; windows are
# not managed by a window manager (there is none on a virtual display), which
# keeps modal boxes quick to open and close.

# use_x11_prefix ARCH: exports Wine's settings for build/win-ARCH.
use_x11_prefix() {
    export WINEPREFIX="$root/build/win-$1/wineprefix-x11"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
    if [ "$1" = i686 ]; then
        export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver
    else
        export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINELOADER" wineboot -i >/dev/null 2>&1
        "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        "$WINESERVER" -w
    fi
}

# start_virtual_display: a fresh Xvfb on the first free display number.
start_virtual_display() {
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

stop_virtual_display() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}

# start_game EXE: starts the game in the background from its own folder.
start_game() {
    (cd "$(dirname "$1")" && exec "$WINELOADER" "$1") >/dev/null 2>&1 &
    game_pid=$!
}

# stop_game: ends the game and every Wine process of the prefix.
stop_game() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    [ -n "${game_pid:-}" ] && wait "$game_pid" 2>/dev/null
    game_pid=
}

# wait_for_window TITLE SECONDS: prints the id of the first visible window
# with exactly that title, polling until it appears.
wait_for_window() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# wait_for_first_paint WINDOW SECONDS: polls until the middle of the window
# shows the board's blue background rather than nothing.
wait_for_first_paint() {
    local deadline=$((SECONDS + $2)) colour
    while [ $SECONDS -lt $deadline ]; do
        colour=$(import -window "$1" -gravity center -crop 1x1+0+0 -depth 8 txt:- 2>/dev/null |
            sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n 1)
        # Blue clearly above red and green: the texture.
        if [ -n "$colour" ] && [ $((16#${colour:4:2})) -gt $((16#${colour:0:2} + 40)) ]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}
