# Cross build for 32-bit Windows with Debian's MinGW-w64. The "-posix"
# compilers are required: the default "-win32" flavour has no std::mutex or
# std::thread, which GoogleTest and our own code rely on.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VD_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VD_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable and DLL carries its own C, C++ and pthread runtime, so
# nothing beyond the system DLLs has to be shipped or found at run time.
set(VD_STATIC_RUNTIME "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${VD_STATIC_RUNTIME}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${VD_STATIC_RUNTIME}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${VD_STATIC_RUNTIME}")

# CTest starts every test executable through Wine with our pinned prefix.
get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR
  "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run" ABSOLUTE)
