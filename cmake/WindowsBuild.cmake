# Helpers of the cross build: modules, Wine-run tests and import checks.

# The deliverables are 32-bit. A 64-bit build of the same sources exists only
# to run the portable Win32 code under 64-bit Wine where the kernel cannot run
# 32-bit programs; the 32-bit-only parts (the stand-in game, the checks of
# the built modules) are left out of it.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(KEELSON_WIN32 ON)
  set(KEELSON_WINE_ARCH win32)
  set(KEELSON_MODULE_ENTRY _ModuleEntry@12)
else()
  set(KEELSON_WIN32 OFF)
  set(KEELSON_WINE_ARCH win64)
  set(KEELSON_MODULE_ENTRY ModuleEntry)
endif()

set(KEELSON_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${KEELSON_WINE_ARCH} ${KEELSON_WINEPREFIX})

# Wide printf keeps the system library's meaning of %s (wide text).
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                        _WIN32_WINNT=0x0601)

# GoogleTest, cross-built from the distribution's sources. The win32 thread
# model of MinGW has no std::mutex: a header included first in every unit
# that uses GoogleTest replaces the one class that needs it.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
target_compile_options(gtest PUBLIC -include ${CMAKE_SOURCE_DIR}/tests/support/mingw_gtest_notification.h)

# keelson_add_module(NAME DEF_FILE SOURCES...)
# A .plugin module: entered through ModuleEntry, exports named by a .def
# file with fixed ordinals, linked with the shared runtime.
function(keelson_add_module name def_file)
  add_library(${name} SHARED ${ARGN} ${def_file})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".plugin")
  target_link_libraries(${name} PRIVATE keelson_module_entry keelson_runtime)
  target_link_options(${name} PRIVATE -Wl,-e,${KEELSON_MODULE_ENTRY})
  if(KEELSON_WIN32)
    # Undecorated __stdcall export names come from the .def file.
    target_link_options(${name} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
endfunction()

# keelson_add_wine_test(NAME SOURCES...)
# A GoogleTest executable run under Wine; each TEST/TEST_F of its sources is
# one ctest test named "<arch>:Suite.Name", so that the 32-bit and 64-bit
# runs of the same case stay apart in the summary.
function(keelson_add_wine_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main keelson_test_support)
  foreach(source ${ARGN})
    get_filename_component(path ${source} ABSOLUTE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    file(STRINGS ${path} lines REGEX "^TEST(_F)?\\(")
    foreach(line ${lines})
      string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\\).*" "\\2.\\3" case "${line}")
      set(test ${KEELSON_WINE_ARCH}:${case})
      add_test(NAME ${test} COMMAND ${name} --gtest_filter=${case})
      set_tests_properties(${test} PROPERTIES TIMEOUT 120 LABELS "wine;${KEELSON_WINE_ARCH}" SKIP_RETURN_CODE 77)
    endforeach()
  endforeach()
endfunction()

# keelson_check_module(TARGET)
# Reads the built module with binutils: system imports only, none of the four
# functions reached through the slots, and ModuleEntry as the entry point.
function(keelson_check_module target)
  if(NOT KEELSON_WIN32)
    return()
  endif()
  add_test(NAME ${target}.module
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/check-module.sh ${CMAKE_OBJDUMP} ${CMAKE_NM} $<TARGET_FILE:${target}>)
  set_tests_properties(${target}.module PROPERTIES LABELS static)
endfunction()

# zlib from the distribution's MinGW package; minizip compiled from zlib's
# contrib sources, which scripts/setup.sh downloads into .cache/minizip.
set(KEELSON_MINIZIP_DIR ${CMAKE_SOURCE_DIR}/.cache/minizip)
find_library(KEELSON_ZLIB NAMES libz.a z REQUIRED)
if(NOT EXISTS ${KEELSON_MINIZIP_DIR}/zip.c)
  message(FATAL_ERROR "minizip sources missing in ${KEELSON_MINIZIP_DIR}: run scripts/setup.sh")
endif()
add_library(keelson_minizip STATIC
  ${KEELSON_MINIZIP_DIR}/ioapi.c ${KEELSON_MINIZIP_DIR}/iowin32.c
  ${KEELSON_MINIZIP_DIR}/zip.c ${KEELSON_MINIZIP_DIR}/unzip.c)
target_include_directories(keelson_minizip SYSTEM PUBLIC ${KEELSON_MINIZIP_DIR})
target_compile_options(keelson_minizip PRIVATE -w)
target_compile_definitions(keelson_minizip PUBLIC NOCRYPT NOUNCRYPT)
target_link_libraries(keelson_minizip PUBLIC ${KEELSON_ZLIB})
