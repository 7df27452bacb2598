# Cross compiling for Windows with mingw-w64 (posix thread model, which
# GoogleTest needs), statically linked so that no mingw DLL is needed at run
# time. DZ_WINDOWS_ARCH picks the target: i686 (the shipped 32-bit game) or
# x86_64 (for running the tests on machines whose kernel cannot execute
# 32-bit code, where 32-bit Wine cannot start).
if(NOT DEFINED DZ_WINDOWS_ARCH)
    set(DZ_WINDOWS_ARCH i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
if(DZ_WINDOWS_ARCH STREQUAL "i686")
    set(CMAKE_SYSTEM_PROCESSOR x86)
else()
    set(CMAKE_SYSTEM_PROCESSOR AMD64)
endif()
set(triple ${DZ_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
# Toolchain files are read again by try_compile; keep the choice.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DZ_WINDOWS_ARCH)
