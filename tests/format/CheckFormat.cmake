cmake_minimum_required(VERSION 3.25)
# Fails when a tracked C++ file differs from what .clang-format makes of it.
#   cmake -DSOURCE_DIR=<checkout> -DCLANG_FORMAT=<clang-format> -P CheckFormat.cmake
find_program(GIT git REQUIRED)
execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} ls-files -- "*.cpp" "*.h"
                OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  # Not a git checkout: every source below the top.
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
  list(FILTER files EXCLUDE REGEX "^build")
else()
  string(REPLACE "\n" ";" files "${files}")
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted" lines "${out}")
  list(JOIN lines "\n  " text)
  message(FATAL_ERROR "Not formatted with .clang-format (clang-format -i FILE):\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "${count} files formatted")
