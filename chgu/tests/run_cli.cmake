# Runs chgu-cli as a user would and checks what it prints.
#   CLI       the program; EMULATOR runs it when cross-compiled
#   ARGS      its arguments, separated by "|"
#   INPUT     file fed to standard input (optional)
#   EXPECTED  file holding the exact bytes of standard output (optional)
#   STATUS    the exit status wanted
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
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, wanted ${STATUS}; standard error: ${errors}")
endif()
if(EXPECTED)
  file(READ ${EXPECTED} expected)
  if(NOT output STREQUAL expected)
    message(FATAL_ERROR "standard output differs:\n${output}\nwanted:\n${expected}")
  endif()
elseif(NOT STATUS EQUAL 0)
  if(NOT output STREQUAL "")
    message(FATAL_ERROR "an error printed to standard output: ${output}")
  endif()
  string(FIND "${errors}" "\n" first_break)
  string(LENGTH "${errors}" length)
  math(EXPR last "${length} - 1")
  if(length EQUAL 0 OR NOT first_break EQUAL last)
    message(FATAL_ERROR "wanted one line on standard error, got: ${errors}")
  endif()
endif()
