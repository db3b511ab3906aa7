# cmake -P pack_content.cmake: copies the entries into a clean staging folder, gives every file
# the same fixed time and mode (the archive records both, and it must come out byte for byte the
# same on every build), and packs them in the listed order. The packer turns times into local
# DOS times, so it runs in UTC.
# Variables: PACKER, ARCHIVE, STAGE, GENERATED_DIR, GENERATED, SOURCE_DIR, SOURCES.

file(REMOVE_RECURSE ${STAGE})
set(entries)
foreach(entry IN LISTS GENERATED)
  configure_file(${GENERATED_DIR}/${entry} ${STAGE}/${entry} COPYONLY)
  list(APPEND entries ${entry})
endforeach()
foreach(entry IN LISTS SOURCES)
  configure_file(${SOURCE_DIR}/${entry} ${STAGE}/${entry} COPYONLY)
  list(APPEND entries ${entry})
endforeach()

execute_process(COMMAND chmod 0644 ${entries} WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE moded)
execute_process(COMMAND touch -h -d "2000-01-01 00:00:00 UTC" ${entries}
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE timed)
if(NOT moded EQUAL 0 OR NOT timed EQUAL 0)
  message(FATAL_ERROR "could not set the staged files' mode and time")
endif()

file(REMOVE ${ARCHIVE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${PACKER} a -m5 ${ARCHIVE} ${entries}
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "ssdpack failed (${packed})")
endif()
