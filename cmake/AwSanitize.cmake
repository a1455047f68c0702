# Instrumented builds, each in a build directory of its own:
#   AW_SANITIZE  every target with AddressSanitizer and UndefinedBehaviorSanitizer
#                (./test.sh --sanitize);
#   AW_FUZZ      the same plus libFuzzer's coverage, and the fuzz targets of
#                tests/fuzz instead of their replay tests (tools/fuzz/run.sh; clang only).
# Any report ends the process, so a test or a fuzz run cannot pass over one.
option(AW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(AW_FUZZ "Build the libFuzzer targets of tests/fuzz (clang)" OFF)
# A sanitizer build takes the data set of this normal build instead of making
# its own with instrumented generators (which would only be slower).
set(AW_SHARED_DATA_BUILD "" CACHE PATH "Normal build directory whose Data a sanitizer build uses")

if(AW_SANITIZE OR AW_FUZZ)
  set(aw_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Clang counts these under "undefined"; GCC needs them named.
    list(APPEND aw_sanitizers -fsanitize=float-cast-overflow)
  endif()
  add_compile_options(${aw_sanitizers})
  add_link_options(${aw_sanitizers})
endif()

if(AW_SANITIZE)
  add_library(aw_sanitize_support OBJECT ${CMAKE_SOURCE_DIR}/tests/sanitize/keep_libraries_loaded.c)
  link_libraries(aw_sanitize_support)
endif()

if(AW_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "AW_FUZZ needs clang (libFuzzer): configure with CMAKE_CXX_COMPILER=clang++-14")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
