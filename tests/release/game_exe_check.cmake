# The shipped 32-bit exe runs on every 32-bit Windows from 95 on and on every
# processor from the original Pentium on:
#  - no instruction a Pentium lacks anywhere in its code (conditional moves,
#    the P6 floating-point compares, long no-ops and the other hint no-ops,
#    MMX and SSE registers); a hit is named with its address and, from the
#    link map, the library member and function it lies in;
#  - it imports only the seven system DLLs every Windows has (no msvcrt.dll,
#    which a retail Windows 95 lacks), and from them only functions listed in
#    windows95_imports.txt, each checked to be exported by Windows 95.
#   cmake -DEXE=dzarvek.exe -DMAP=dzarvek.map -DOBJDUMP=objdump
#         -DIMPORTS=windows95_imports.txt -DWORK=dir -P game_exe_check.cmake
cmake_minimum_required(VERSION 3.25)
foreach(input EXE MAP OBJDUMP IMPORTS WORK)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "game_exe_check.cmake needs -D${input}=...")
    endif()
endforeach()

set(allowed_dlls advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll shell32.dll
                 user32.dll)
# Mnemonics, as objdump writes them, of what the Pentium does not have. A
# no-op with an operand is a long no-op (0f 1f); the plain one is 0x90.
set(forbidden_mnemonic "f?cmov[a-z]*|fu?comip?|nop[lwq]? +[^ ]|endbr(32|64)|prefetch[a-z0-9]*|[lms]fence|clflush|movnti|fisttp[a-z]*|sysenter|sysexit|fxsave|fxrstor|ldmxcsr|stmxcsr|rdpmc")
set(forbidden_register "%[xy]?mm[0-9]")

# Where in the program an address lies: the library member whose .text holds
# it and the last function of that member at or before it, from the map.
function(describe_address address out)
    math(EXPR at "0x${address}")
    file(STRINGS ${MAP} lines)
    set(in_text OFF)
    set(member "?")
    set(function "?")
    set(pending_section OFF)
    foreach(line IN LISTS lines)
        if(line MATCHES "^\\.text ")
            set(in_text ON)
            continue()
        elseif(in_text AND line MATCHES "^\\.")
            break()
        elseif(NOT in_text)
            continue()
        endif()
        # An input section: " .text 0xSTART 0xSIZE member", a long name
        # putting the numbers on the next line.
        if(line MATCHES "^ \\.[^ ]+$")
            set(pending_section ON)
            continue()
        endif()
        if(line MATCHES "^ \\.[^ ]+ +0x([0-9a-f]+) +0x([0-9a-f]+) (.+)$" OR
           (pending_section AND line MATCHES "^ +0x([0-9a-f]+) +0x([0-9a-f]+) (.+)$"))
            set(pending_section OFF)
            math(EXPR start "0x${CMAKE_MATCH_1}")
            math(EXPR end "0x${CMAKE_MATCH_1} + 0x${CMAKE_MATCH_2}")
            if(at GREATER_EQUAL start AND at LESS end)
                set(member "${CMAKE_MATCH_3}")
                set(function "?")
                set(inside ON)
            else()
                set(inside OFF)
            endif()
        elseif(inside AND line MATCHES "^ +0x([0-9a-f]+) +([^ =][^=]*)$")
            math(EXPR symbol "0x${CMAKE_MATCH_1}")
            if(symbol LESS_EQUAL at)
                set(function "${CMAKE_MATCH_2}")
            endif()
        endif()
    endforeach()
    string(REGEX REPLACE "^.*/" "" member "${member}")
    if(function STREQUAL "?")
        set(${out} "in ${member}, before its first named function" PARENT_SCOPE)
    else()
        set(${out} "${function} in ${member}" PARENT_SCOPE)
    endif()
endfunction()

# Instructions.
set(listing ${WORK}/dzarvek-disassembly.txt)
execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${EXE} OUTPUT_FILE ${listing}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} -d ${EXE} failed")
endif()
file(STRINGS ${listing} hits REGEX "^ *[0-9a-f]+:\t(${forbidden_mnemonic})|^ *[0-9a-f]+:\t.*${forbidden_register}")
set(report "")
set(count 0)
foreach(hit IN LISTS hits)
    math(EXPR count "${count} + 1")
    if(count GREATER 20)
        continue()
    endif()
    string(REGEX MATCH "^ *([0-9a-f]+):\t(.*)$" _ "${hit}")
    set(address ${CMAKE_MATCH_1})
    string(REGEX REPLACE "[ \t]+" " " instruction "${CMAKE_MATCH_2}")
    describe_address(${address} where)
    string(APPEND report "\n  0x${address}: ${instruction}    (${where})")
endforeach()
if(count GREATER 0)
    message(SEND_ERROR "${EXE} holds ${count} instructions that the original Pentium lacks "
                       "(the first 20 shown):${report}")
endif()

# Imports.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed")
endif()
file(STRINGS ${IMPORTS} known REGEX "^[^#]")
string(REPLACE "\n" ";" header_lines "${headers}")
set(dll "")
set(dlls "")
set(unknown "")
foreach(line IN LISTS header_lines)
    if(line MATCHES "DLL Name: (.+)$")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
        list(APPEND dlls ${dll})
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+  ([A-Za-z_][A-Za-z0-9_]*)")
        if(NOT "${dll} ${CMAKE_MATCH_1}" IN_LIST known)
            list(APPEND unknown "${dll} ${CMAKE_MATCH_1}")
        endif()
    elseif(line MATCHES "^$")
        set(dll "")
    endif()
endforeach()
set(extra ${dlls})
list(REMOVE_ITEM extra ${allowed_dlls})
if(extra)
    list(JOIN extra ", " listed)
    list(JOIN allowed_dlls ", " allowed)
    message(SEND_ERROR "${EXE} imports ${listed}; only the system's own ${allowed} may be imported")
endif()
if(unknown)
    list(JOIN unknown "\n  " listed)
    message(SEND_ERROR "${EXE} imports functions not in ${IMPORTS}:\n  ${listed}\n"
                       "Check in the platform's documentation that Windows 95 has each one "
                       "(an import it lacks stops the game from loading there), then list it.")
endif()
if(count EQUAL 0 AND NOT extra AND NOT unknown)
    list(LENGTH dlls dll_count)
    message(STATUS "${EXE}: no instruction newer than the Pentium; imports ${dll_count} system DLLs, "
                   "only functions Windows 95 has")
endif()
