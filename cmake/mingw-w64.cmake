# What both mingw-w64 cross builds share: the compilers of the target VEXAR_MINGW_TARGET (posix thread
# model, which GoogleTest needs) and where CMake looks for that target's libraries and headers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VEXAR_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEXAR_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${VEXAR_MINGW_TARGET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VEXAR_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
