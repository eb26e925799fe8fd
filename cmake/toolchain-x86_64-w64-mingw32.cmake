# Cross toolchain for 64-bit Windows: the build that the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(GD_MINGW_TRIPLE x86_64-w64-mingw32)
set(GD_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
