# Shared settings of the mingw-w64 toolchains and a fully static runtime, so that every .exe
# and .dll runs with nothing beside it. The thread model is the toolchain file's choice: posix
# for the tree that runs the tests (GoogleTest needs std::mutex), win32 for the Windows XP
# build, whose posix runtime would import functions that XP does not have.
set(CMAKE_C_COMPILER ${GD_MINGW_TRIPLE}-gcc-${GD_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${GD_MINGW_TRIPLE}-g++-${GD_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${GD_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
