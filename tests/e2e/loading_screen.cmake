# The start of the show with the demo archive: loading picture, finale, music, then the loop.
add_test(NAME e2e.loading_screen
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/loading_screen_test.sh $<TARGET_FILE:vantrelle>
                 ${CMAKE_BINARY_DIR}/data.ssd)
set_tests_properties(e2e.loading_screen PROPERTIES TIMEOUT 180)
