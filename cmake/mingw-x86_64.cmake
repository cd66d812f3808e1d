# The x86-64 twin of the shipped program: the same options as the i686 one
# (win32 thread model), so that machines that run only 64-bit code test what
# ships.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
