# "format" rewrites every C++ source of the project in the committed style; the code_format test
# fails when a file differs from it. Both use Debian 12's clang-format (version 14): other versions
# lay out some constructs differently.
find_program(STYLEWRIGHT_CLANG_FORMAT NAMES clang-format-14 clang-format)
if(STYLEWRIGHT_CLANG_FORMAT)
  execute_process(COMMAND ${STYLEWRIGHT_CLANG_FORMAT} --version OUTPUT_VARIABLE clang_format_version)
  if(NOT clang_format_version MATCHES "version 14\\.")
    message(WARNING "${STYLEWRIGHT_CLANG_FORMAT} is not clang-format 14; code_format may report differences 14 would not")
  endif()
  file(GLOB_RECURSE stylewright_format_sources CONFIGURE_DEPENDS
    LIST_DIRECTORIES false
    ${PROJECT_SOURCE_DIR}/core/*.cpp ${PROJECT_SOURCE_DIR}/core/*.h
    ${PROJECT_SOURCE_DIR}/gui/*.cpp ${PROJECT_SOURCE_DIR}/gui/*.h
    ${PROJECT_SOURCE_DIR}/apps/*.cpp ${PROJECT_SOURCE_DIR}/apps/*.h
    ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
    ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h
    ${PROJECT_SOURCE_DIR}/fuzz/*.cpp
    ${PROJECT_SOURCE_DIR}/scripts/*.cpp)
  add_custom_target(format
    COMMAND ${STYLEWRIGHT_CLANG_FORMAT} -i ${stylewright_format_sources}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Formatting the sources with clang-format")
  if(STYLEWRIGHT_BUILD_TESTS)
    add_test(NAME code_format
      COMMAND ${STYLEWRIGHT_CLANG_FORMAT} --dry-run --Werror ${stylewright_format_sources}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  endif()
elseif(STYLEWRIGHT_BUILD_TESTS)
  # A missing formatter must not turn the style check into a silent pass.
  message(WARNING "clang-format not found: the code_format test will fail until it is installed")
  add_test(NAME code_format
    COMMAND ${CMAKE_COMMAND} "-DFAILURE=clang-format not found; run bash scripts/install-deps.sh"
      -P ${PROJECT_SOURCE_DIR}/cmake/Fail.cmake)
endif()
