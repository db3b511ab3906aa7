# bench_archive: packs a mixed corpus of about 20 MiB made at bench time and prints sizes per method
# against gzip -9, packing speed, extractFile's decoding speed, and extraction against unar.
add_executable(archive_bench EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/archive_bench.cpp)
target_link_libraries(archive_bench PRIVATE ssdpack_lib ssdpack_program_reader)
add_custom_target(bench_archive
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/archive_bench.sh $<TARGET_FILE:ssdpack> $<TARGET_FILE:archive_bench>
    ${CMAKE_BINARY_DIR}/bench-archive ${CMAKE_BINARY_DIR}/content/music.ogg
  DEPENDS ssdpack archive_bench
  USES_TERMINAL VERBATIM)
