# The full-screen saver run end to end under Xvfb, and the run modes that end at once.
foreach(case key sigterm sigint sighup inputs mouse)
  add_test(NAME e2e.saver_run.${case}
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/saver_run_test.sh $<TARGET_FILE:vantrelle> ${case})
  set_tests_properties(e2e.saver_run.${case} PROPERTIES TIMEOUT 120)
endforeach()

set(E2E_NO_SETTINGS "VANTRELLE_CONFIG=${CMAKE_BINARY_DIR}/tests/e2e-no-settings.ini;DISPLAY=")
foreach(switch /c -C /p)
  string(MAKE_C_IDENTIFIER "${switch}" name)
  add_test(NAME e2e.returns_at_once.${name} COMMAND vantrelle ${switch} 1234)
  set_tests_properties(e2e.returns_at_once.${name} PROPERTIES TIMEOUT 20 ENVIRONMENT "${E2E_NO_SETTINGS}")
endforeach()
add_test(NAME e2e.returns_at_once.no_switch COMMAND vantrelle)
add_test(NAME e2e.help COMMAND vantrelle --help)
add_test(NAME e2e.version COMMAND vantrelle --version)
set_tests_properties(e2e.returns_at_once.no_switch e2e.help e2e.version PROPERTIES TIMEOUT 20
                     ENVIRONMENT "${E2E_NO_SETTINGS}")
set_tests_properties(e2e.help PROPERTIES PASS_REGULAR_EXPRESSION "Usage: .*/s")
set_tests_properties(e2e.version PROPERTIES PASS_REGULAR_EXPRESSION "vantrelle ${PROJECT_VERSION}")
