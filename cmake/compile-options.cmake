# The language level, include root and warnings of every build tree, and of
# the artwork generator that the Windows tree builds for the host.
get_filename_component(DZ_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()
include_directories(${DZ_SOURCE_ROOT})
add_compile_options(-Wall -Wextra -ffile-prefix-map=${DZ_SOURCE_ROOT}/=)
# The 32-bit Windows tree is compiled for the original Pentium, the oldest
# processor the game supports: mingw-w64's compiler otherwise targets the
# Pentium Pro, whose conditional moves and long no-ops stop a Pentium, a K6
# or a 486.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options(-march=i586)
endif()

# dz_game_code(TARGETS...): the game's own libraries and the exe in the Windows
# trees (the test programs that link them keep GoogleTest's exceptions). The
# game throws and catches nothing; compiled without exceptions, it has no
# landing pads whose personality routine would link the C++ runtime's
# exception support, which statically linked is most of the exe's code: the
# unwinder, the verbose terminate handler with its demangler, the thread
# library. In the 32-bit program the unwind tables (.eh_frame) serve only that
# support and go too; the 64-bit ones (.pdata, .xdata) belong to the Windows
# ABI and stay.
function(dz_game_code)
    if(NOT WIN32)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_compile_options(${target} PRIVATE -fno-exceptions)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
        endif()
    endforeach()
endfunction()
