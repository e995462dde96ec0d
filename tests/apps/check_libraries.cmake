# Fails when PROGRAM needs a library that would slow the editor's start: QtNetwork (the fetcher
# loads it on first use) or Qt WebEngine (the preview is a program of its own).
execute_process(COMMAND objdump -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${headers}")
message(STATUS "${PROGRAM} needs: ${needed}")
foreach(library IN LISTS needed)
  if(library MATCHES "Qt6Network|Qt6WebEngine")
    message(FATAL_ERROR "the editor must not link ${library}")
  endif()
endforeach()
