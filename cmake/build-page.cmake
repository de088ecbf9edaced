# Builds the page tipstat.html with the web preset as the archive is made,
# so that the archive holds the page of the same sources as the programs,
# and puts a copy beside the archive: the release's page as a file of its
# own. Included by the install step with
#   PAGE_SOURCE_DIR  the source folder, where the presets are
#   PAGE_COPY        where the copy goes
foreach(step "--preset;web" "--build;--preset;web")
  execute_process(
    COMMAND ${CMAKE_COMMAND} ${step}
    WORKING_DIRECTORY "${PAGE_SOURCE_DIR}"
    RESULT_VARIABLE status
    OUTPUT_QUIET
    ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the page did not build (cmake ${step}: ${status}); see scripts/setup-debian.sh for emscripten: ${errors}")
  endif()
endforeach()
file(COPY_FILE "${PAGE_SOURCE_DIR}/build/web/tipstat.html" "${PAGE_COPY}")
