# Cross toolchain: 64-bit Windows, for hosts whose kernel runs no 32-bit
# programs (64-bit Wine there); the same tree, not a product of its own.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
