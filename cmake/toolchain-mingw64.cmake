# Cross build for 64-bit Windows with Debian's MinGW-w64. The programs we ship
# are the 32-bit ones; this build exists so that the Windows tests run under
# wine64 on hosts that cannot run any 32-bit x86 program.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VD_MINGW_TRIPLE x86_64-w64-mingw32)
set(VD_WINE_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
