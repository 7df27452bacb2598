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
