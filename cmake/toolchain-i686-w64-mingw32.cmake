# Cross toolchain for 32-bit Windows (the Windows XP target); built, not run, and without the
# tests, which need a threaded runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(GD_MINGW_TRIPLE i686-w64-mingw32)
set(GD_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
