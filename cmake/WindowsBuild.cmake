# Helpers of the cross build: modules, Wine-run tests and import checks.

set(KEELSON_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${KEELSON_WINEPREFIX})

# Wide printf keeps the system library's meaning of %s (wide text).
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0601)

# GoogleTest, cross-built from the distribution's sources. The win32 thread
# model of MinGW has no std::mutex: a port customisation, found before
# GoogleTest's own, replaces the one class that needs it.
include_directories(BEFORE ${CMAKE_SOURCE_DIR}/tests/support/gtest-custom)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# keelson_add_module(NAME DEF_FILE SOURCES...)
# A .plugin module: entered through ModuleEntry, exports named by a .def
# file with fixed ordinals, linked with the shared runtime.
function(keelson_add_module name def_file)
  add_library(${name} SHARED ${ARGN} ${def_file})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".plugin")
  target_link_libraries(${name} PRIVATE keelson_module_entry keelson_runtime)
  target_link_options(${name} PRIVATE -Wl,-e,_ModuleEntry@12 -Wl,--enable-stdcall-fixup)
endfunction()

# keelson_add_wine_test(NAME SOURCES...)
# A GoogleTest executable run under Wine; each test case is one ctest test.
function(keelson_add_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main keelson_test_support)
  gtest_add_tests(TARGET ${name} SOURCES ${ARGN} TEST_LIST tests)
  set_tests_properties(${tests} PROPERTIES TIMEOUT 120 LABELS wine)
endfunction()

# keelson_check_imports(TARGET)
# Fails when a module imports anything beyond system DLLs and msvcrt.dll, or
# imports one of the four functions that it must reach through its slots.
function(keelson_check_imports target)
  add_test(NAME ${target}.imports
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/check-imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}>)
endfunction()
