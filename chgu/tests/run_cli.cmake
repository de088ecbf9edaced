# Runs chgu-cli as a user would and checks what it prints.
#   CLI       the program; EMULATOR runs it when cross-compiled
#   ARGS      its arguments, separated by "|"
#   INPUT     file fed to standard input (optional)
#   EXPECTED  file holding the exact bytes of standard output
#   CONFIG    an empty configuration folder of the test's own, so that no
#             change date the developer stored reaches it
string(REPLACE "|" ";" arguments "${ARGS}")
file(REMOVE_RECURSE ${CONFIG})
file(MAKE_DIRECTORY ${CONFIG})
set(ENV{XDG_CONFIG_HOME} ${CONFIG})
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
execute_process(COMMAND ${EMULATOR} ${CLI} ${arguments} ${input_option}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}; standard error: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "standard output differs:\n${output}\nwanted:\n${expected}")
endif()
