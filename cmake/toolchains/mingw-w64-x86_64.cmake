# Builds for 64-bit Windows on Debian with g++-mingw-w64-x86-64-posix (the
# posix thread model, which std::thread and GoogleTest need). The core and its
# tests alone:
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#         -DYELDUMAN_BUILD_UI=OFF -DYELDUMAN_BUILD_BENCH=OFF
# The whole program, with the static Qt of scripts/windows-qt.sh:
#   cmake ... -DYELDUMAN_BUILD_UI=ON -DCMAKE_PREFIX_PATH="$(scripts/windows-qt.sh --prefix)"
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
# while Wine's own messages are off.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Test discovery runs the test programs while building, and ctest runs them
# after: both through Wine, in a prefix of its own inside the build directory
# (created on first use, thrown away with the build), with Wine's messages off
# and without the .NET and HTML engines, whose installers would ask on first use.
# Wine names Unix files in the locale's character set: without a UTF-8 one it
# cannot make a folder named "Öğrenci Çalışmaları", whatever the caller set.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env LC_ALL=C.UTF-8 WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml= wine)
