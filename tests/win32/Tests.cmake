# The Windows program's tests, under Wine: one fresh prefix and one Xvfb for the whole run, made
# by a fixture and ended by another; ctest runs each test through wine.sh.
set(wine_dir ${CMAKE_CURRENT_BINARY_DIR}/wine)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/win32/wine.sh.in ${CMAKE_CURRENT_BINARY_DIR}/wine.sh @ONLY)

add_test(NAME wine_up COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/wine_up.sh ${wine_dir})
set_tests_properties(wine_up PROPERTIES FIXTURES_SETUP wine SKIP_RETURN_CODE 77 TIMEOUT 120)
add_test(NAME wine_down COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/wine_down.sh ${wine_dir})
set_tests_properties(wine_down PROPERTIES FIXTURES_CLEANUP wine)

add_executable(stub_player win32/stub_player.cpp)
add_executable(window_probe win32/window_probe.cpp)
target_link_libraries(window_probe PRIVATE shell32)
set_target_properties(core_tests PROPERTIES
                      CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_BINARY_DIR}/wine.sh)
add_test(NAME core_tests COMMAND core_tests)
# The end-to-end cases share the prefix and the display, so they take turns.
add_e2e_tests(win32_e2e ${CMAKE_CURRENT_SOURCE_DIR}/win32/e2e.sh
              ARGS ${CMAKE_BINARY_DIR} ${wine_dir}
              PROPERTIES RESOURCE_LOCK wine_desktop FIXTURES_REQUIRED wine)
# It waits for the next whole minute of the real clock.
set_tests_properties(win32_e2e_the_wake_timer_rings_on_the_minute PROPERTIES TIMEOUT 180)
add_test(NAME win32_executable
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/executable_check.sh $<TARGET_FILE:DawnQuill>)
# The unit tests share the cases' wineserver: beside a case, they loaded it enough to lose a double
# click on the icon, so they take their turn too.
set_tests_properties(core_tests PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_desktop
                                           SKIP_RETURN_CODE 77 TIMEOUT 120)
# The Win32 kit's own cases run with them, as they need the display too.
target_sources(core_tests PRIVATE win32/wide_text_test.cpp)
target_link_libraries(core_tests PRIVATE dawnquill_win32)
# And the kit's fitting, in every language: the catalogues the program carries.
add_dependencies(core_tests catalogues)
target_sources(core_tests PRIVATE win32/texts_fit_test.cpp)
target_compile_definitions(core_tests PRIVATE DAWNQUILL_LOCALE_FOLDER="Z:${CMAKE_BINARY_DIR}/locale")
