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

# aw_add_test_suite(name LIBS lib...): one GoogleTest executable per tests/
# folder. Tests run headless: offscreen video, dummy audio, and a private
# player-file directory so they never touch the user's own files.
function(aw_add_test_suite name)
  cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(test_${name} ${ARG_SOURCES})
  target_compile_options(test_${name} PRIVATE ${AW_WARNINGS})
  target_include_directories(test_${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  # gtest_discover_tests passes PROPERTIES on as key/value pairs, so each
  # variable needs an ENVIRONMENT key of its own (a ';' list would keep only
  # the first).
  set(env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home
          XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-run AW_SOURCE_DIR=${CMAKE_SOURCE_DIR}
          AW_BUILD_DIR=${CMAKE_BINARY_DIR})
  string(REPLACE ";" ";ENVIRONMENT;" env "${env}")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-home ${CMAKE_BINARY_DIR}/test-run)
  gtest_discover_tests(test_${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT ${env}
    DISCOVERY_TIMEOUT 60)
endfunction()
