# Shared part of the two MinGW-w64 toolchain files; VD_MINGW_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR are set by the file that includes this one. The
# "-posix" compilers are required: the default "-win32" flavour has no
# std::mutex or std::thread, which GoogleTest and our own code rely on.
set(CMAKE_SYSTEM_NAME Windows)

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

# CTest starts every test executable through Wine with our pinned prefix, in
# the Wine of this build's architecture (VD_WINE_ARCH: x86 or x64).
get_filename_component(vd_wine_run "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${vd_wine_run};${VD_WINE_ARCH}")
