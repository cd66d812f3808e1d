# The shipped program: i686 with the win32 thread model, which keeps the
# runtime on APIs that Windows XP has (the posix one pulls in winpthread, and
# with it GetTickCount64).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
