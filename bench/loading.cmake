# loading_bench: what the loading phase costs on a data.ssd, on OSMesa. Prints figures only.
# Run: loading_bench [archive] (default: the data.ssd the build packs), or the run_loading_bench target.
add_executable(loading_bench ${CMAKE_CURRENT_LIST_DIR}/loading_bench.cpp ${CMAKE_SOURCE_DIR}/tests/support/jpeg_maker.cpp)
target_include_directories(loading_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(loading_bench PRIVATE PkgConfig::OSMESA vantrelle_lib PkgConfig::GLU)
target_compile_definitions(loading_bench PRIVATE VANTRELLE_DEFAULT_ARCHIVE="${CMAKE_BINARY_DIR}/data.ssd")
add_custom_target(run_loading_bench COMMAND loading_bench DEPENDS loading_bench VERBATIM)
