# A test that can only fail, telling why: cmake -DFAILURE=<why> -P Fail.cmake
message(FATAL_ERROR "${FAILURE}")
