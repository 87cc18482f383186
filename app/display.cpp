// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/display.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace display {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt takes a list of platforms to try in turn, "a;b", each name maybe followed by ":options".
// Any of them that needs no window system (offscreen, vnc, eglfs, ...) lets the program start.
bool NeedsWindowSystem(std::string_view platforms) {
    bool any = false;
    while (!platforms.empty()) {
        const auto end = platforms.find(';');
        const auto entry = platforms.substr(0, end);
        const auto name = entry.substr(0, entry.find(':'));
        if (!name.empty()) {
            if (name != "xcb" && !name.starts_with("wayland")) {
                return false;
            }
            any = true;
        }
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return any;
}

// The platform asked for on the command line ("-platform name" or "--platform name"), which Qt
// prefers to QT_QPA_PLATFORM; null when there is none.
const char* PlatformArgument(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-platform" || arg == "--platform") {
            return argv[i + 1];
        }
    }
    return nullptr;
}

} // namespace

bool Missing(int argc, char** argv) {
    const char* platform = PlatformArgument(argc, argv);
    if (platform == nullptr) {
        platform = std::getenv("QT_QPA_PLATFORM");
    }
    // Unset or empty: Qt's default on Linux, which is xcb or wayland.
    const bool window_system =
        platform == nullptr || *platform == '\0' || NeedsWindowSystem(platform);
    return window_system && !IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY");
}

void Require(int argc, char** argv) {
    if (Missing(argc, argv)) {
        std::fputs("wakusei: 画面（ディスプレイ）が見つかりません。デスクトップの画面から起動して"
                   "ください。 / No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): "
                   "start wakusei from a desktop session.\n",
                   stderr);
        std::exit(1);
    }
}

} // namespace display
