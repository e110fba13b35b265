# Cross build for 32-bit Windows (x86) with mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VEXAR_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
