# Run after a test executable is linked (cmake -P): lists its GoogleTest
# suites and writes one ctest entry per suite, "<prefix>.<Suite>", running
# that suite's cases in one process. Cases of a suite share its set-up (a
# window, a painted picture set, a generated sound set), so one process per
# case would repeat that set-up for every case.
#   -D EXE=test executable  -D OUT=ctest file  -D PREFIX=name prefix
#   -D WORKDIR=working directory  -D ENV=VAR=value|VAR=value...
cmake_minimum_required(VERSION 3.22)

execute_process(
  COMMAND "${EXE}" --gtest_list_tests
  WORKING_DIRECTORY "${WORKDIR}"
  TIMEOUT 60
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE listing_errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Listing the tests of ${EXE} failed (${status}):\n${listing}${listing_errors}")
endif()

string(REPLACE "|" ";" env "${ENV}")
# Parameter values may hold ";", which would split a line as a list.
string(REPLACE ";" "," lines "${listing}")
string(REPLACE "\n" ";" lines "${lines}")
set(suites "")
foreach(line IN LISTS lines)
  # Suite lines start in the first column: "Suite." or "Prefix/Suite/0.  # TypeParam = ...".
  if(line MATCHES "^([^ #][^ ]*)\\.( |$)")
    set(suite "${CMAKE_MATCH_1}")
    if(NOT suite MATCHES "^DISABLED_" AND NOT suite IN_LIST suites)
      list(APPEND suites "${suite}")
    endif()
  endif()
endforeach()

set(script "")
foreach(suite IN LISTS suites)
  set(name "${PREFIX}.${suite}")
  string(APPEND script
    "add_test([==[${name}]==] [==[${EXE}]==] [==[--gtest_filter=${suite}.*]==])\n"
    "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKDIR}]==]"
    " ENVIRONMENT [==[${env}]==])\n")
endforeach()
file(WRITE "${OUT}" "${script}")
