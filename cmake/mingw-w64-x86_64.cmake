# Cross-builds for 64-bit Windows with Debian's mingw-w64. The posix-threads
# flavour of the compiler, because the game uses std::mutex and
# std::this_thread. tools/windows/build-deps makes the libraries it links and
# names their prefix in GROUNDLINE_WINDOWS_DEPS.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

set(GROUNDLINE_WINDOWS_DEPS "" CACHE PATH "The prefix tools/windows/build-deps filled")
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${GROUNDLINE_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One executable with nothing to install beside it: no libstdc++, libgcc or
# winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
