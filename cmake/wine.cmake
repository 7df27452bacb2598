# Runs the Windows tree's test programs under Wine, in a prefix inside the
# build folder. A CTest fixture starts one persistent wineserver before the
# tests and ends it after them, which keeps Wine's start-up out of each test.
set(DZ_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(DZ_WINE ${CMAKE_BINARY_DIR}/wine)
configure_file(${PROJECT_SOURCE_DIR}/tests/wine/wine.in ${DZ_WINE}
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE
               @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${DZ_WINE} run)

add_test(NAME wine_start COMMAND ${DZ_WINE} start)
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
add_test(NAME wine_stop COMMAND ${DZ_WINE} stop)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
