// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, read before QApplication exists, so that --version and --help work with no
// display. The program takes no arguments of its own beyond these two; Qt's own options
// (-platform offscreen, -style ..., -reverse) are let through for Qt to take.
#pragma once

#include <cstdio>

namespace options {

// What main does after reading the command line.
enum class Outcome {
    Run,     // start the program
    Done,    // --version or --help was answered: exit 0
    Mistake, // an unknown option or an argument: exit 2
};

// Reads argv; writes the version or the usage to out and a mistake to err.
Outcome Read(int argc, char** argv, std::FILE* out, std::FILE* err);

} // namespace options
