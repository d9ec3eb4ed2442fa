# Wine-side test layers: GoogleTest cross-built from Debian's sources, run with wine as the emulator.
set(DP_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -w)
target_compile_options(gmock PRIVATE -w)
include(GoogleTest)

# Contract and glue tests: the real registry, GDI, files and processes.
file(GLOB DP_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(dp_win32_tests ${DP_WIN32_TESTS})
target_link_libraries(dp_win32_tests PRIVATE dp_main_glue gtest gmock gtest_main)
set_target_properties(dp_win32_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
gtest_discover_tests(dp_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK wine_registry)

# End to end: a driver that starts the real deliverables next to it, as a user would.
file(GLOB DP_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(dp_e2e_tests ${DP_E2E_TESTS})
target_link_libraries(dp_e2e_tests PRIVATE dp_common_glue gtest gmock gtest_main)
set_target_properties(dp_e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(dp_e2e_tests Dawnpanel)
gtest_discover_tests(dp_e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES RESOURCE_LOCK wine_registry TIMEOUT 120)

# The same programs in an English locale: every message box must speak English there.
add_test(NAME English.e2e COMMAND dp_e2e_tests --gtest_filter=StartupFailure.*:MainProgram.ManualStart*)
add_test(NAME English.win32 COMMAND dp_win32_tests --gtest_filter=*Bilingual*:EnvironmentWin32.*)
set_tests_properties(English.e2e English.win32 PROPERTIES ENVIRONMENT "LC_ALL=en_US.UTF-8"
  RESOURCE_LOCK wine_registry TIMEOUT 120)
