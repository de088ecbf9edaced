# Writes the release's YearTables.txt (2011..2040) with the generator, when
# the archive is made and for the build's command-line tools: the file is
# never kept by hand. Included by the install step, or run with -P by the
# build (yeartables/), with
#   YEAR_TABLES_GENERATOR  the generator program
#   YEAR_TABLES_EMULATOR   what runs it in a cross build (Wine), or empty
#   YEAR_TABLES_WINEPREFIX the Wine prefix to use unless WINEPREFIX is set
#   YEAR_TABLES_FILE       the file to write
get_filename_component(folder "${YEAR_TABLES_FILE}" DIRECTORY)
get_filename_component(name "${YEAR_TABLES_FILE}" NAME)
file(MAKE_DIRECTORY "${folder}")
file(REMOVE "${YEAR_TABLES_FILE}")

if(YEAR_TABLES_EMULATOR)
  # Quietly, without an installer dialog, in the build's own prefix.
  if(NOT DEFINED ENV{WINEPREFIX})
    set(ENV{WINEPREFIX} "${YEAR_TABLES_WINEPREFIX}")
  endif()
  set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
  set(ENV{WINEDEBUG} "-all")
endif()

# Run in the target folder with a plain file name, which a Windows program
# under Wine opens there as well.
execute_process(
  COMMAND ${YEAR_TABLES_EMULATOR} "${YEAR_TABLES_GENERATOR}" 2011 2040 "${name}"
  WORKING_DIRECTORY "${folder}"
  RESULT_VARIABLE status
  ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS "${YEAR_TABLES_FILE}")
  message(FATAL_ERROR "year-tables did not write ${YEAR_TABLES_FILE} (${status}): ${errors}")
endif()
