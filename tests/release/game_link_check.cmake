# The shipped game links nothing of the static C++ runtime. Its exception
# support alone (the unwinder, the verbose terminate handler with its
# demangler, the thread library) would be most of the exe's code, and one
# operator new or one file compiled with exceptions brings it all in. Reads
# the game's link map; given EXE and LIMIT, also holds the exe to its size.
#   cmake -DMAP=dzarvek.map [-DEXE=dzarvek.exe -DLIMIT=bytes] -P game_link_check.cmake
file(STRINGS ${MAP} members REGEX "(libstdc\\+\\+|libsupc\\+\\+|libgcc_eh|libpthread|libwinpthread)[^ /]*\\.a\\(")
if(members)
    list(JOIN members "\n" listed)
    message(FATAL_ERROR "the game links the C++ runtime; from the link map ${MAP}:\n${listed}")
endif()
if(DEFINED LIMIT)
    file(SIZE ${EXE} size)
    if(size GREATER LIMIT)
        message(FATAL_ERROR "${EXE} has ${size} bytes, more than ${LIMIT}")
    endif()
    message(STATUS "${EXE}: ${size} bytes, at most ${LIMIT}")
endif()
message(STATUS "the game links nothing of the C++ runtime")
