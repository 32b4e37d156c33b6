# Cross build of the 32-bit Windows modules with MinGW-w64 (win32 thread model).
set(KEELSON_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
