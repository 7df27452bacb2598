# Draws the help's pictures from the game's own tile sheet and texture:
#   <motif>-<n>.png   the face with n pips (or marks) of each motif in its
#                     black frame, as the board shows it
#   fit.png, turn-before.png, turn-after.png
#                     small board scenes for the rules page
# Run as a script: cmake -DGEOMETRY=geometry.txt -DSHEET=tiles.bmp
#   -DTEXTURE=texture.bmp -DCONVERT=convert -DOUT=folder -P pictures.cmake
# The motifs and the cells' places in the sheet come from GEOMETRY, which
# the build writes from the sheet layout (tools/geometry). PNG files carry no
# time, so every run writes the same bytes.
foreach(var GEOMETRY SHEET TEXTURE CONVERT OUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "pictures.cmake: ${var} is not set")
    endif()
endforeach()

file(STRINGS ${GEOMETRY} geometry)
set(motifs)
foreach(line IN LISTS geometry)
    if(line MATCHES "^motif ([a-z]+) ([0-9]+)$")
        list(APPEND motifs "${CMAKE_MATCH_1}:${CMAKE_MATCH_2}")
    elseif(line MATCHES "^([a-z0-9.]+) (.+)$")
        set("cell_${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    endif()
endforeach()

set(png_options -strip -define png:exclude-chunks=date,time)

function(run_convert)
    execute_process(COMMAND ${CONVERT} ${ARGN} RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "pictures.cmake: convert failed: ${error}")
    endif()
endfunction()

# The charts: each face of each motif, framed.
foreach(entry IN LISTS motifs)
    string(REPLACE ":" ";" entry "${entry}")
    list(GET entry 0 motif_name)
    list(GET entry 1 motif)
    foreach(column RANGE 6)
        run_convert(${SHEET} -crop ${cell_face${motif}.${column}} +repage
                    -bordercolor black -border ${cell_inset} ${png_options}
                    ${OUT}/${motif_name}-${column}.png)
    endforeach()
endforeach()

# draw_scene(FILE WIDTH HEIGHT HALF...): the texture with halves laid on it in
# the given order, the way the board view paints them. A half is X:Y:WHAT,
# WHAT being the number of pips, the number followed by * for a selected
# stone, or e0 / e1 for the first or second half of an empty slot. Domino
# motif throughout.
function(draw_scene file width height)
    set(args -size ${width}x${height} tile:${TEXTURE})
    foreach(half IN LISTS ARGN)
        string(REPLACE ":" ";" half "${half}")
        list(GET half 0 x)
        list(GET half 1 y)
        list(GET half 2 what)
        set(frame "(" ${SHEET} -crop ${cell_frame} +repage ")" -geometry +${x}+${y})
        if(what MATCHES "^e([01])$")
            # An empty half: AND with the frame cell, then XOR with its mask
            # (for black and white, multiply and difference do the same).
            list(APPEND args ${frame} -compose Multiply -composite
                 "(" ${SHEET} -crop ${cell_empty${CMAKE_MATCH_1}} +repage ")"
                 -geometry +${x}+${y} -compose Difference -composite -compose Over)
        else()
            set(row face)
            if(what MATCHES "^([0-6])\\*$")
                set(row selected)
                set(what ${CMAKE_MATCH_1})
            endif()
            math(EXPR fx "${x} + ${cell_inset}")
            math(EXPR fy "${y} + ${cell_inset}")
            list(APPEND args ${frame} -composite
                 "(" ${SHEET} -crop ${cell_${row}0.${what}} +repage ")" -geometry +${fx}+${fy} -composite)
        endif()
    endforeach()
    run_convert(${args} ${png_options} ${OUT}/${file})
endfunction()

# Three stones that match wherever they touch, and an empty slot whose upper
# half touches a 5.
draw_scene(fit.png 157 124
    8:8:3 41:8:5   81:8:5 114:8:1   8:48:3 8:81:6   81:48:e0 81:81:e1)
# The selected tray stone 4-2 goes next to the 2: it fits only turned.
draw_scene(turn-before.png 246 51
    8:8:6 41:8:2   81:8:e0 114:8:e1   170:8:4* 203:8:2*)
draw_scene(turn-after.png 246 51
    8:8:6 41:8:2   81:8:2 114:8:4   170:8:e0 203:8:e1)
