# Helpers of the native build: the platform-neutral code under AddressSanitizer
# and UndefinedBehaviorSanitizer, its tests and its libFuzzer targets.

set(KEELSON_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${KEELSON_SANITIZE})
add_link_options(${KEELSON_SANITIZE})

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

set(KEELSON_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzz target runs in the test suite")

# keelson_add_native_test(NAME SOURCES...)
function(keelson_add_native_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  gtest_add_tests(TARGET ${name} SOURCES ${ARGN} TEST_LIST tests)
  set_tests_properties(${tests} PROPERTIES LABELS native TIMEOUT 120)
endfunction()

# keelson_add_fuzzer(NAME SOURCE)
# A libFuzzer target with its seed corpus in fuzz/corpus/NAME. The suite runs
# it for KEELSON_FUZZ_SECONDS on a scratch copy of the corpus; `make fuzz`
# runs every target longer.
function(keelson_add_fuzzer name source)
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  add_test(NAME ${name}.smoke
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/fuzz-run.sh $<TARGET_FILE:${name}> ${corpus} ${KEELSON_FUZZ_SECONDS})
  set_tests_properties(${name}.smoke PROPERTIES LABELS fuzz TIMEOUT 300)
endfunction()

add_test(NAME format COMMAND ${CMAKE_SOURCE_DIR}/cmake/check-format.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(format PROPERTIES LABELS static)
