# The release archive of the Windows build: both programs, an example
# Define.txt and a read-me for users, in one ZIP file.
#   cmake --build --preset mingw --target package
if(NOT WIN32)
  return()
endif()

set(release_files ${PROJECT_SOURCE_DIR}/chgu/window/release)
if(TARGET chgu)
  install(TARGETS chgu RUNTIME DESTINATION .)
endif()
# Program A's window; the rule takes effect whenever its target is built.
if(TARGET kova)
  install(TARGETS kova RUNTIME DESTINATION .)
endif()
# Define.txt is GBK with CR LF, as program B reads it; readme.txt is UTF-8
# with a byte-order mark, which every Notepad shows right.
install(FILES ${release_files}/Define.txt ${release_files}/readme.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tipstat)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "墨川统计器 and 澄观统计器 for Windows")
include(CPack)
