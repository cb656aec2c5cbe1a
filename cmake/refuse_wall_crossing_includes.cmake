# Run at build time (cmake -DSOURCE_DIR=... -DLIST=... -DSTAMP=... -P this):
# fails when a source includes a path with ".." or an absolute path, naming
# each such include. Either reaches a folder the source's library does not
# link, past the include roots that keep each folder's headers to the
# libraries that declare it.
file(STRINGS ${LIST} _files)
set(_found "")
foreach(f ${_files})
  file(STRINGS ${f} _lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](/|([^\">]*/)?\\.\\./)")
  foreach(l ${_lines})
    string(REGEX MATCH "[<\"][^\">]*[\">]" _inc "${l}")
    file(RELATIVE_PATH _rel ${SOURCE_DIR} ${f})
    if(_inc MATCHES "^.[/]")
      string(APPEND _found "  ${_rel} includes ${_inc}: an absolute path; include through its library's include root\n")
    else()
      string(APPEND _found "  ${_rel} includes ${_inc}: reach another folder through its library's include root\n")
    endif()
  endforeach()
endforeach()
if(_found)
  message(FATAL_ERROR "Includes that climb out of their folder or name an absolute path:\n${_found}")
endif()
file(TOUCH ${STAMP})
