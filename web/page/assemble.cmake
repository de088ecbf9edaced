# Writes the one-file page: the template's markers replaced by the style
# sheets, the module's script and the page's scripts. Run with
#   PAGE_TEMPLATE  the HTML around them
#   PAGE_STYLES    the style sheets, joined by "|"
#   PAGE_MODULE    the module's script (the WebAssembly inside it)
#   PAGE_SCRIPTS   the page's scripts, in order, joined by "|"
#   PAGE           the file to write
function(read_all joined out)
  string(REPLACE "|" ";" files "${joined}")
  set(text "")
  foreach(file IN LISTS files)
    file(READ "${file}" content)
    string(APPEND text "${content}\n")
  endforeach()
  # Inside an inline script the text "</script" would end it early.
  string(REPLACE "</script" "<\\/script" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${PAGE_TEMPLATE}" page)
read_all("${PAGE_STYLES}" styles)
read_all("${PAGE_MODULE}" module)
read_all("${PAGE_SCRIPTS}" scripts)
foreach(marker styles module scripts)
  string(TOUPPER "${marker}" name)
  string(FIND "${page}" "/*@${name}@*/" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE_TEMPLATE} has no /*@${name}@*/")
  endif()
  string(REPLACE "/*@${name}@*/" "${${marker}}" page "${page}")
endforeach()
file(WRITE "${PAGE}" "${page}")
