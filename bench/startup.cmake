# The whole program's start, up to the first loading-finale frame, under Xvfb: run_startup_bench.
add_custom_target(run_startup_bench
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/startup_bench.sh $<TARGET_FILE:vantrelle> ${CMAKE_BINARY_DIR}/data.ssd
  DEPENDS vantrelle data_ssd VERBATIM)
