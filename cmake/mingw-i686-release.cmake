# Cross toolchain of the shipped programs: 32-bit Windows with the win32
# thread model of mingw-w64 (the plain compiler names; Debian's default
# alternative) instead of the posix one. The posix model's runtime,
# libwinpthread, imports what Windows XP lacks (GetTickCount64); the
# programs start no threads. GoogleTest, which needs std::mutex, is not
# built with it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++)
# The plain names follow an alternative that may point at the posix model.
foreach(compiler ${CMAKE_C_COMPILER} ${CMAKE_CXX_COMPILER})
  execute_process(COMMAND ${compiler} -v ERROR_VARIABLE about OUTPUT_QUIET RESULT_VARIABLE failed)
  if(failed OR NOT about MATCHES "Thread model: win32")
    message(FATAL_ERROR "${compiler} is not the win32 thread model compiler "
            "(update-alternatives --set ${compiler} /usr/bin/${compiler}-win32)")
  endif()
endforeach()
