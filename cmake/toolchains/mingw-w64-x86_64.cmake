# Builds for 64-bit Windows on Debian with g++-mingw-w64-x86-64-posix (the
# posix thread model, which std::thread and GoogleTest need). Used by the
# presets "windows-core" (the core and its tests alone) and "windows" (the
# whole program, with the static Qt of scripts/windows-qt.sh), and by that
# script to build Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Headers and libraries of the target only (mingw's own, and the Windows Qt
# named on CMAKE_PREFIX_PATH); build tools of this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthreads linked in: a program that needs
# their DLLs and cannot find them exits with 53 under Wine, and prints nothing
# while Wine's own messages are off. No link time in the program's header, so
# the same sources link to the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# Test discovery runs the test programs while building, and ctest runs them
# after: both through Wine, in a prefix of its own inside the build directory
# (made on first use, thrown away with the build), in the one Wine
# environment of scripts/windows-env.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)
