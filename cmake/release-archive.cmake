# The release archive of the Windows build: both programs, the page that
# runs both in a browser, the year tables after 2010 and their generator, an
# example Define.txt and a read-me for users, in one ZIP file.
#   scripts/release.sh (the preset mingw-release, a build without tests)
if(NOT WIN32)
  return()
endif()

set(release_files ${PROJECT_SOURCE_DIR}/chgu/window/release)
# Both programs without test hooks: in a build with tests their twins
# (tipstat_released_twin), which read neither TIPSTAT_TODAY nor
# CHGU_CHANGE_DATE_KEY.
foreach(program kova chgu)
  if(TARGET ${program}-released)
    install(TARGETS ${program}-released RUNTIME DESTINATION .)
  elseif(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION .)
  endif()
endforeach()
# Define.txt is GBK with CR LF, as program B reads it; readme.txt is UTF-8
# with a byte-order mark, which every Notepad shows right.
install(FILES ${release_files}/Define.txt ${release_files}/readme.txt DESTINATION .)

# YearTables.txt, the tables of 2011..2040 for both programs, written by the
# generator as the archive is made. In a cross build the generator is a
# Windows program and runs through the emulator (Wine); the generator itself
# ships too, for a user who wants more years.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(WARNING "No emulator to run year-tables.exe with: the package step will fail to "
                  "write YearTables.txt (install Wine, see scripts/setup-debian.sh).")
endif()
set(year_tables_file ${CMAKE_BINARY_DIR}/release-files/YearTables.txt)
install(TARGETS year-tables RUNTIME DESTINATION .)
install(CODE "
  set(YEAR_TABLES_GENERATOR \"$<TARGET_FILE:year-tables>\")
  set(YEAR_TABLES_EMULATOR \"${CMAKE_CROSSCOMPILING_EMULATOR}\")
  set(YEAR_TABLES_WINEPREFIX \"${CMAKE_BINARY_DIR}/wineprefix\")
  set(YEAR_TABLES_FILE \"${year_tables_file}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/write-year-tables.cmake\")
")
install(FILES ${year_tables_file} DESTINATION .)

# tipstat.html, built by the web preset as the archive is made (emscripten),
# in the archive and beside it.
install(CODE "
  set(PAGE_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(PAGE_COPY \"${CMAKE_BINARY_DIR}/tipstat.html\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/build-page.cmake\")
")
install(FILES ${PROJECT_SOURCE_DIR}/build/web/tipstat.html DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tipstat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "墨川统计器 and 澄观统计器 for Windows")
include(CPack)
