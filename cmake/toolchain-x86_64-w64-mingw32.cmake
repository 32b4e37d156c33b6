# 64-bit cross build of the same sources, used to run the portable Win32 code
# under 64-bit Wine on machines whose kernel cannot execute 32-bit programs.
set(KEELSON_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
