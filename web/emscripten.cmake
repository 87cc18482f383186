# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Settings of the web build (Emscripten), included from the top-level CMakeLists.txt before
# the core and the windows are configured.

# GoogleTest's EXPECT_THROW needs C++ exceptions, which Emscripten leaves off by default.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# GoogleTest from Debian's sources, built for wasm; only what the tests link gets built.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# (Its own CMake files already give the GTest::gtest and GTest::gtest_main names.)

# Test programs run under node: memory may grow, and they exit with the test result.
set(CMAKE_EXECUTABLE_SUFFIX ".js")
add_link_options("SHELL:-s ALLOW_MEMORY_GROWTH=1" "SHELL:-s EXIT_RUNTIME=1")

# No fused multiply-add, not even when the compiler folds constants: clang would otherwise
# fold a * b + c in one rounding, where the desktop build rounds twice, and the worked numbers
# would differ in the last bit.
add_compile_options(-ffp-contract=off)
