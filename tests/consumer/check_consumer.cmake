# Configures, builds and runs tests/consumer/project, which adds this source tree as another
# program would, then checks that the tree asked find_package for Qt6's Core and nothing else.
# cmake -DSOURCE_DIR=<tree> -DBINARY_DIR=<folder> -DGENERATOR=<name> -DCXX_COMPILER=<path>
#       -DBUILD_TYPE=<type> -DQT6_DIR=<path> -P check_consumer.cmake
set(here ${CMAKE_CURRENT_LIST_DIR})
# --fresh drops the cache of the last run, so every run is a first configure; objects are kept.
execute_process(
  COMMAND ${CMAKE_COMMAND} --fresh -S ${here}/project -B ${BINARY_DIR} -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DQt6_DIR=${QT6_DIR}
    -DSTYLEWRIGHT_SOURCE_DIR=${SOURCE_DIR} -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES=${here}/find_package_log.cmake
  COMMAND_ERROR_IS_FATAL ANY)

file(STRINGS ${BINARY_DIR}/find_package_calls.txt calls)
if(NOT calls)
  message(FATAL_ERROR "the tree asked find_package for nothing; it needs Qt6 Core")
endif()
foreach(call IN LISTS calls)
  if(NOT call MATCHES "^Qt6 ")
    message(FATAL_ERROR "the tree asked find_package(${call}); a consumer needs Qt6 Core only")
  endif()
  # Every word after the package and its version that is not a keyword names a component.
  string(REPLACE " " ";" words "${call}")
  list(REMOVE_AT words 0)
  list(FILTER words EXCLUDE REGEX "^([0-9.]+|REQUIRED|COMPONENTS|OPTIONAL_COMPONENTS|CONFIG|NO_MODULE|QUIET|EXACT|GLOBAL)$")
  if(NOT words STREQUAL "Core")
    message(FATAL_ERROR "the tree asked find_package(${call}); a consumer needs Qt6 Core only")
  endif()
endforeach()
message(STATUS "find_package calls of the tree: ${calls}")

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --parallel 2 COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${BINARY_DIR}/consumer COMMAND_ERROR_IS_FATAL ANY)
