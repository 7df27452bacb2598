# Reading the game from the screen and from its saved files, and driving it
# with the mouse and the keyboard, for the end-to-end suite. Sourced, not run;
# scripts/wine-x11.sh comes first.
#
# Positions on the screen follow the game's layout: with the frame's client
# area W x H, a view of height h above the status bar, a board area of
# Wb x Hb and a tray area of Wt x Ht, the board's origin is
# ((W - Wb - Wt) / 4, (h - Hb) / 2) and the tray's (3 * that x + Wb,
# (h - Ht) / 2), in the coordinates of the view's client area, which lies
# inside the view's 2-pixel sunken edge. The areas and the sheet's cells come
# from the geometry the build writes (load_geometry).

# load_geometry FILE: reads the build's geometry.txt into geometry[NAME].
declare -A geometry
load_geometry() {
    local name value
    while read -r name value; do
        geometry[$name]=$value
    done <"$1"
    [ -n "${geometry[board]:-}" ] && [ -n "${geometry[tray]:-}" ] && [ -n "${geometry[frame]:-}" ]
}

# --- Saved-game files -------------------------------------------------------

# read_game FILE: loads a saved game into
#   game_magic           the first 14 bytes, as hex
#   game_size            the file's length
#   board_x/y/v[h]       board half h = 0..23 (slot h / 2, first half when even)
#   tray_x/y/v[h]        tray half h = 0..23 (tray slots 0..11)
#   game_fixed           the fixed start stone's board slot, or -1
read_game() {
    local -a b
    mapfile -t b < <(od -An -v -tu1 -w1 "$1" | tr -d ' ')
    game_size=${#b[@]}
    game_magic=$(head -c 14 "$1" | od -An -v -tx1 | tr -d ' \n')
    board_x=() board_y=() board_v=() tray_x=() tray_y=() tray_v=()
    [ "$game_size" -ge 450 ] || return 1
    local h at
    for h in $(seq 0 23); do
        at=$((14 + (h / 2) * 18 + (h % 2) * 9))
        board_x[h]=$(int32_at "$at")
        board_y[h]=$(int32_at $((at + 4)))
        board_v[h]=${b[at + 8]}
        at=$((at + 216))
        tray_x[h]=$(int32_at "$at")
        tray_y[h]=$(int32_at $((at + 4)))
        tray_v[h]=${b[at + 8]}
    done
    game_fixed=$(int32_at 446)
}

# int32_at OFFSET: the little-endian signed 32-bit integer at OFFSET of the
# byte array b of read_game.
int32_at() {
    local n=$((b[$1] | b[$1 + 1] << 8 | b[$1 + 2] << 16 | b[$1 + 3] << 24))
    [ "$n" -ge 2147483648 ] && n=$((n - 4294967296))
    echo "$n"
}

# halves_touch X1 Y1 X2 Y2: true when two halves are direct neighbours, 40
# pixels apart on one axis and level on the other.
halves_touch() {
    { [ "$1" -eq "$3" ] && [ $(($2 - $4)) -eq 40 -o $(($4 - $2)) -eq 40 ]; } ||
        { [ "$2" -eq "$4" ] && [ $(($1 - $3)) -eq 40 -o $(($3 - $1)) -eq 40 ]; }
}

# slots_touch A B: true when board slots A and B of the loaded game touch.
slots_touch() {
    local i j
    for i in $((2 * $1)) $((2 * $1 + 1)); do
        for j in $((2 * $2)) $((2 * $2 + 1)); do
            halves_touch "${board_x[i]}" "${board_y[i]}" "${board_x[j]}" "${board_y[j]}" && return 0
        done
    done
    return 1
}

# expected_cells [SELECTED-INDEX]: what the screen must show for the loaded
# game, in the form read_cells prints: the 24 board halves, then the 24 tray
# halves; a value, with * when its stone is the selected one, or . for empty.
expected_cells() {
    local h out=() v
    for h in $(seq 0 47); do
        if [ "$h" -lt 24 ]; then v=${board_v[h]}; else v=${tray_v[h - 24]}; fi
        if [ "$v" -eq 0 ]; then
            out+=(.)
        elif [ "${1:--1}" -eq $(((h % 24) / 2 + (h >= 24 ? 12 : 0))) ]; then
            out+=("$v*")
        else
            out+=("$v")
        fi
    done
    echo "${out[*]}"
}

# --- The window and its layout --------------------------------------------

# screenshot FILE: the whole virtual screen.
screenshot() {
    import -window root "$1"
}

# pixel_column SHOT X Y HEIGHT: "r g b" per pixel, as pixel_row.
pixel_column() {
    convert "$1" -crop "1x${4}+$2+$3" +repage -depth 8 txt:- | sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# is_texture R G B: the colour is the board's texture.
is_texture() { echo "$1 $2 $3" | awk "{ exit !($TEXTURE_PIXEL) }"; }

# first_texture / last_texture: offset of the first / last texture pixel in
# the "r g b" lines on stdin, or nothing.
first_texture() { awk "$TEXTURE_PIXEL { print NR - 1; exit }"; }
last_texture() { awk "$TEXTURE_PIXEL { last = NR - 1 } END { if (last != \"\") print last }"; }

# locate_view SHOT WINDOW: finds the board view of the frame window WINDOW in
# the screenshot by its texture and sets
#   win_x win_y win_w win_h            the frame window on the screen
#   client_x client_y client_w client_h  the frame's client area
#   view_x view_y                      the view's client origin on the screen
#   view_h                             the view's outer height (bar excluded)
#   bar_h                              the status bar's height, 0 without it
#   board_ox board_oy tray_ox tray_oy  the origins the layout gives
# The sizing border is taken to be as wide at the bottom as at the left.
locate_view() {
    local X Y WIDTH HEIGHT left right top bottom border
    eval "$(xdotool getwindowgeometry --shell "$2")"
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
    left=$(pixel_row "$1" "$X" $((Y + HEIGHT / 2)) "$WIDTH" | first_texture)
    right=$(pixel_row "$1" "$X" $((Y + HEIGHT / 2)) "$WIDTH" | last_texture)
    top=$(pixel_column "$1" $((X + WIDTH / 2)) "$Y" "$HEIGHT" | first_texture)
    bottom=$(pixel_column "$1" $((X + WIDTH / 2)) "$Y" "$HEIGHT" | last_texture)
    [ -n "$left" ] && [ -n "$right" ] && [ -n "$top" ] && [ -n "$bottom" ] ||
        { echo "no board view in the window" >&2; return 1; }
    view_x=$((X + left)) view_y=$((Y + top))
    client_x=$((view_x - 2)) client_y=$((view_y - 2))
    border=$((client_x - X))
    client_w=$((WIDTH - 2 * border))
    client_h=$((Y + HEIGHT - border - client_y))
    view_h=$((bottom - top + 1 + 4))
    bar_h=$((client_h - view_h))
    # The view fills the client area's width.
    [ $((right - left + 1 + 4)) -eq "$client_w" ] ||
        { echo "the view is $((right - left + 1 + 4)) wide in a client area $client_w wide" >&2; return 1; }
    local board_w=${geometry[board]%x*} board_h=${geometry[board]#*x}
    local tray_w=${geometry[tray]%x*} tray_h=${geometry[tray]#*x}
    board_ox=$(((client_w - board_w - tray_w) / 4)) board_oy=$(((view_h - board_h) / 2))
    tray_ox=$((3 * board_ox + board_w)) tray_oy=$(((view_h - tray_h) / 2))
}

# cell_position INDEX: the screen position of half INDEX (0..23 board,
# 24..47 tray) of the loaded game, as "x y".
cell_position() {
    local h=$1
    if [ "$h" -lt 24 ]; then
        echo $((view_x + board_ox + board_x[h])) $((view_y + board_oy + board_y[h]))
    else
        echo $((view_x + tray_ox + tray_x[h - 24])) $((view_y + tray_oy + tray_y[h - 24]))
    fi
}

# --- Faces -----------------------------------------------------------------

# load_faces SHEET: the signatures of every occupied cell the game can draw,
# a frame cell with a face inside, from the tile sheet it is built with and
# the geometry loaded before:
# face_sig[MOTIF,ROW,VALUE], ROW 0 normal and 1 selected.
declare -A face_sig
load_faces() {
    local args=() t r v sigs i=0 face
    for t in 0 1 2; do
        for r in 0 1; do
            face=face
            [ $r -eq 1 ] && face=selected
            for v in 1 2 3 4 5 6 7; do
                args+=(\( mpr:sheet -crop "${geometry[frame]}" +repage
                    \( mpr:sheet -crop "${geometry[$face$t.$((v - 1))]}" +repage \)
                    -geometry "+${geometry[inset]}+${geometry[inset]}" -composite \))
            done
        done
    done
    mapfile -t sigs < <(convert "$1" -write mpr:sheet +delete "${args[@]}" -format '%#\n' info:)
    [ ${#sigs[@]} -eq 42 ] || return 1
    for t in 0 1 2; do
        for r in 0 1; do
            for v in 1 2 3 4 5 6 7; do
                face_sig[$t,$r,$v]=${sigs[i]}
                i=$((i + 1))
            done
        done
    done
}

# read_cells SHOT MOTIF: what the 48 cells of the loaded game's slots show,
# in the form of expected_cells: a face of the motif by its value (with * from
# the selected row), . for an empty half (texture inside a dotted border),
# ? for anything else.
read_cells() {
    local args=() h x y lines line sig p0 p1 mid out=() t v r token
    for h in $(seq 0 23); do
        args+=(\( -clone 0 -crop "35x35+$((view_x + board_ox + board_x[h]))+$((view_y + board_oy + board_y[h]))" +repage \))
    done
    for h in $(seq 0 23); do
        args+=(\( -clone 0 -crop "35x35+$((view_x + tray_ox + tray_x[h]))+$((view_y + tray_oy + tray_y[h]))" +repage \))
    done
    mapfile -t lines < <(convert "$1" "${args[@]}" -delete 0 -depth 8 \
        -format '%# %[fx:int(255*p{0,0}.r)] %[fx:int(255*p{1,0}.r)] %[fx:int(255*p{17,17}.r)],%[fx:int(255*p{17,17}.g)],%[fx:int(255*p{17,17}.b)]\n' info:)
    for h in $(seq 0 47); do
        read -r sig p0 p1 mid <<<"${lines[h]}"
        token='?'
        for r in 0 1; do
            for v in 1 2 3 4 5 6 7; do
                [ "$sig" = "${face_sig[$2,$r,$v]}" ] && token=$v && [ $r -eq 1 ] && token="$v*"
            done
        done
        if [ "$token" = '?' ] && is_texture ${mid//,/ }; then
            # The dotted border: white at the corner of a first half, black
            # at the corner of a second half, the other colour next to it.
            if [ $((h % 2)) -eq 0 ] && [ "$p0" -eq 255 ] && [ "$p1" -eq 0 ]; then token=.; fi
            if [ $((h % 2)) -eq 1 ] && [ "$p0" -eq 0 ] && [ "$p1" -eq 255 ]; then token=.; fi
        fi
        out+=("$token")
    done
    echo "${out[*]}"
}

# --- Status bar ------------------------------------------------------------

# status_text SHOT: the signature of the status bar's text area and the width
# of the ink in it (0 when the bar is empty), as "signature width"; "none 0"
# without a bar. The sizing grip at the right is left out.
status_text() {
    if [ "$bar_h" -le 0 ]; then
        echo "none 0"
        return
    fi
    local crop="$((client_w - 24))x$((bar_h - 4))+$client_x+$((client_y + view_h + 2))"
    local sig width
    sig=$(convert "$1" -crop "$crop" +repage -format '%#' info:)
    width=$(convert "$1" -crop "$crop" +repage -depth 8 txt:- |
        awk -F'[:,( ]+' 'NR > 1 && $3 + $4 + $5 < 300 { if (min == "" || $1 < min) min = $1; if ($1 > max) max = $1 }
                        END { print (min == "" ? 0 : max - min + 1) }')
    echo "$sig $width"
}

# --- Text ------------------------------------------------------------------

# text_rows SHOT X Y WIDTH HEIGHT: how many rows of dark text that part of
# the screen shows. Antialiased strokes leave single pixel rows without a
# dark pixel inside a line of text; a row ends only at three rows without.
text_rows() {
    convert "$1" -crop "${4}x${5}+$2+$3" +repage -depth 8 txt:- |
        awk -F'[:,( ]+' 'NR > 1 && $3 < 100 && $4 < 100 && $5 < 100 { ink[$2] = 1 }
            END { last = -10; for (y = 0; y < '"$5"'; y++) if (y in ink) { if (y - last > 3) rows++; last = y }
                  print rows + 0 }'
}

# --- Input -----------------------------------------------------------------

# click_cell INDEX: a left click in the middle of half INDEX.
click_cell() {
    local x y
    read -r x y < <(cell_position "$1")
    timeout 5 xdotool mousemove --sync $((x + 17)) $((y + 17))
    xdotool click 1
}

# click_slot INDEX: a click on the first half of slot INDEX (0..11 board,
# 12..23 tray).
click_slot() {
    if [ "$1" -lt 12 ]; then click_cell $((2 * $1)); else click_cell $((24 + 2 * ($1 - 12))); fi
}

# focus WINDOW: gives WINDOW the keyboard focus. There is no window manager:
# the focus is set directly, and the wait for it is bounded.
focus() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# press WINDOW KEYS...: gives WINDOW the keyboard focus and types the keys.
press() {
    focus "$1"
    shift
    xdotool key --delay 40 "$@"
}

# type_into WINDOW TEXT: gives WINDOW the focus and types TEXT.
type_into() {
    focus "$1"
    xdotool type --delay 10 "$2"
}
