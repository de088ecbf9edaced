# YearTables.txt (2011..2040) beside a command-line tool of the build, as the
# release archive has it beside the programs: each tool reads the file in
# its own folder when no --year-tables is given. The generator writes it
# once (yeartables/, target year-tables-file; through the emulator in a
# cross build) and each tool gets a copy.
function(tipstat_year_tables_beside target)
  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    # Nothing runs the generator: the release archive's rule says so.
    return()
  endif()
  get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
  get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
  if(multi_config)
    string(APPEND folder "/$<CONFIG>")
  endif()
  set(generated ${PROJECT_BINARY_DIR}/yeartables/YearTables.txt)
  add_custom_command(OUTPUT ${folder}/YearTables.txt
                     COMMAND ${CMAKE_COMMAND} -E copy ${generated} ${folder}/YearTables.txt
                     DEPENDS ${generated} year-tables-file)
  add_custom_target(${target}-year-tables DEPENDS ${folder}/YearTables.txt)
  add_dependencies(${target}-year-tables year-tables-file)
  add_dependencies(${target} ${target}-year-tables)
endfunction()
