# Helpers shared by every subsystem folder.

set(AW_WARNINGS -Wall -Wextra)

# aw_add_subsystem(name DEPS lib... [EXCLUDE file.cpp...]): one static
# library per src/ folder, built from every .cpp in that folder.
function(aw_add_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
  endforeach()
  add_library(aw_${name} STATIC ${sources})
  target_include_directories(aw_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(aw_${name} PRIVATE ${AW_WARNINGS})
  target_link_libraries(aw_${name} PUBLIC ${ARG_DEPS})
endfunction()

# Test sources compile with little optimisation: they only call the code
# under test, which keeps the build's flags, and -O2 -g would triple their
# compile time. Line tables stay for sanitizer and failure traces.
set(AW_TEST_COMPILE_OPTIONS -O0 -g1 CACHE STRING "Compile options of the test sources (after the build type's)")
set(AW_DISCOVER_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/AwDiscoverSuites.cmake)

# Every test executable and replay, for the sanitizer build's target.
define_property(GLOBAL PROPERTY AW_TEST_TARGETS BRIEF_DOCS "test executables" FULL_DOCS "test executables")

# aw_test_target_options(target): what every test executable shares.
function(aw_test_target_options target)
  target_compile_options(${target} PRIVATE ${AW_WARNINGS} ${AW_TEST_COMPILE_OPTIONS})
  set_property(GLOBAL APPEND PROPERTY AW_TEST_TARGETS ${target})
endfunction()

# aw_add_test_suite(name LIBS lib...): one GoogleTest executable per tests/
# folder, registered as one ctest entry per GoogleTest suite ("name.Suite").
# Tests run headless: offscreen video, dummy audio, and a private
# player-file directory so they never touch the user's own files.
function(aw_add_test_suite name)
  cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  set(target test_${name})
  add_executable(${target} ${ARG_SOURCES})
  aw_test_target_options(${target})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  # Clang (the sanitizer build) precompiles the GoogleTest header once per
  # executable: 3 s, against 2 s saved per test file (GCC saves too little).
  # Only without a compiler launcher: ccache refuses to cache with it.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h>)
  endif()
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-home ${CMAKE_BINARY_DIR}/test-run)
  set(env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home
          XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-run AW_SOURCE_DIR=${CMAKE_SOURCE_DIR}
          AW_BUILD_DIR=${CMAKE_BINARY_DIR})
  string(REPLACE ";" "|" env "${env}")
  set(suites_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  add_custom_command(TARGET ${target} POST_BUILD
    BYPRODUCTS ${suites_file}
    COMMAND ${CMAKE_COMMAND} -D EXE=$<TARGET_FILE:${target}> -D OUT=${suites_file} -D PREFIX=${name}
            -D WORKDIR=${CMAKE_BINARY_DIR} -D ENV=${env} -P ${AW_DISCOVER_SUITES_SCRIPT}
    VERBATIM)
  # Until the executable is built, a failing entry says so.
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
  file(WRITE ${include_file}
    "if(EXISTS \"${suites_file}\")\n"
    "  include(\"${suites_file}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
