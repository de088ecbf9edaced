# Lays out the release in a folder as the archive holds it (the archive's
# install rules, run afresh into an empty folder): what scripts/run.sh opens
# and what the release test checks.
#   cmake -DBUILD=build/mingw-release -DFOLDER=build/mingw-release/release -P cmake/release-folder.cmake
# Every program the archive holds must have been built.
if(NOT BUILD OR NOT FOLDER)
  message(FATAL_ERROR "usage: cmake -DBUILD=<build folder> -DFOLDER=<folder> -P release-folder.cmake")
endif()
file(REMOVE_RECURSE "${FOLDER}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${FOLDER}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The release folder ${FOLDER} could not be laid out:\n${output}")
endif()
