# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads); the programs and
# the test suites run under Wine (`make windows`).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Debian's wine64 package keeps the loader out of PATH.
find_program(LOTTODESK_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(LOTTODESK_WINE NAMES wine64 wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${LOTTODESK_WINE})
# One self-contained executable: no compiler run-time DLLs to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")  # GCC 12 warns falsely about std::string copies
