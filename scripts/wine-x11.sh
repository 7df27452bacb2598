# Running the game under Wine on an X display, for ./scripts/play and the
# end-to-end tests. Sourced, not run; build-common.sh comes first.
#
# The prefix is private to the build tree and uses the X11 driver; windows are
# not managed by a window manager (there is none on a virtual display), which
# keeps modal boxes quick to open and close.

# use_x11_prefix ARCH [PREFIX]: exports Wine's settings for build/win-ARCH,
# with the prefix build/win-ARCH/wineprefix-x11 unless another is named.
use_x11_prefix() {
    use_wine "$1" "${2:-$root/build/win-$1/wineprefix-x11}"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$WINELOADER" wineboot -i >/dev/null 2>&1
        "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        "$WINESERVER" -w
    fi
    # Title-bar buttons are drawn with Wine's Marlett font (fonts-wine), which
    # the prefix does not get by itself; without it they show "0 1 r".
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

# start_virtual_display: a fresh Xvfb on the first free display number. When
# another program takes the same number at the same moment, Xvfb exits and
# the next number is tried.
start_virtual_display() {
    local n=90 attempt
    for attempt in 1 2 3 4 5; do
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        wait_until 10 display_answers_or_xvfb_died && kill -0 "$xvfb_pid" 2>/dev/null && return 0
        stop_virtual_display
        n=$((n + 1))
    done
    echo "Xvfb did not start" >&2
    return 1
}

display_answers_or_xvfb_died() {
    ! kill -0 "$xvfb_pid" 2>/dev/null || xdpyinfo >/dev/null 2>&1
}

stop_virtual_display() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    xvfb_pid=
}

# start_game EXE [LOG]: starts the game in the background from its own
# folder; what Wine prints goes to LOG, if given.
start_game() {
    (cd "$(dirname "$1")" && exec "$WINELOADER" "./$(basename "$1")") >"${2:-/dev/null}" 2>&1 &
    game_pid=$!
}

# stop_game: ends the game and every Wine process of the prefix.
stop_game() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    # The game's own exit status is of no interest here; under set -e, a
    # failing wait in an exit trap would turn a good run into a failure.
    if [ -n "${game_pid:-}" ]; then
        wait "$game_pid" 2>/dev/null || true
    fi
    game_pid=
}

# wait_for_window TITLE SECONDS [IGNORED]: prints the id of the first visible
# window with exactly that title, other than the window IGNORED, polling
# until it appears.
wait_for_window() {
    wait_until "$2" find_window "$1" "${3:-none}" && echo "$found_window"
}

find_window() {
    found_window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$2" | head -n 1)
    [ -n "$found_window" ]
}

# wait_for_window_gone WINDOW SECONDS: polls until the window is closed or
# no longer shown.
wait_for_window_gone() {
    wait_until "$2" window_not_shown "$1"
}

window_not_shown() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# The board's background texture is dark blue: blue well above red and more
# than twice the green. Nothing else in the window looks like it (the
# caption's blue has too much green). An awk condition on "r g b" lines.
TEXTURE_PIXEL='$3 >= 60 && $3 > $1 + 40 && 2 * $2 < $3'

# pixel_row IMAGE X Y WIDTH: "r g b" for each pixel of a row of IMAGE (a file,
# or a window with -window).
pixel_row() {
    convert "$1" -crop "${4}x1+$2+$3" +repage -depth 8 txt:- 2>/dev/null |
        sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# wait_for_first_paint WINDOW SECONDS: polls until the window's middle row
# shows the board's texture over at least a fifth of its width (the margins,
# the gap between board and tray and the empty slots), rather than nothing.
wait_for_first_paint() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    wait_until "$2" middle_row_shows_texture "$X" "$((Y + HEIGHT / 2))" "$WIDTH"
}

middle_row_shows_texture() {
    local count
    count=$(import -window root -crop "${3}x1+$1+$2" +repage ppm:- 2>/dev/null |
        pixel_row - 0 0 "$3" | awk "$TEXTURE_PIXEL { n++ } END { print n + 0 }")
    [ "${count:-0}" -ge $(($3 / 5)) ]
}
