# Shared body of the MinGW-w64 toolchain files: they set TOOLCHAIN_PREFIX
# (the target triple), THREAD_MODEL (win32 or posix) and the processor.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-${THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-${THREAD_MODEL})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
# The GCC wrappers of ar and ranlib index link-time-optimised objects too.
set(CMAKE_AR ${TOOLCHAIN_PREFIX}-gcc-ar-${THREAD_MODEL})
set(CMAKE_RANLIB ${TOOLCHAIN_PREFIX}-gcc-ranlib-${THREAD_MODEL})
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
