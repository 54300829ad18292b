# Cross build for 32-bit Windows with Debian's MinGW-w64: the programs we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VD_MINGW_TRIPLE i686-w64-mingw32)
set(VD_WINE_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
