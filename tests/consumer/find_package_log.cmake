# Logs every find_package() call made from the stylewright source tree, one line each, to
# find_package_calls.txt in the top build folder. Loaded with CMAKE_PROJECT_TOP_LEVEL_INCLUDES.
file(REMOVE ${CMAKE_BINARY_DIR}/find_package_calls.txt)

function(stylewright_log_find_package method)
  cmake_path(IS_PREFIX STYLEWRIGHT_SOURCE_DIR "${CMAKE_CURRENT_LIST_FILE}" NORMALIZE from_stylewright)
  if(from_stylewright)
    string(JOIN " " call ${ARGN})
    file(APPEND ${CMAKE_BINARY_DIR}/find_package_calls.txt "${call}\n")
  endif()
  # Finding nothing here leaves the search to find_package itself.
endfunction()

cmake_language(SET_DEPENDENCY_PROVIDER stylewright_log_find_package SUPPORTED_METHODS FIND_PACKAGE)
