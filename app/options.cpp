// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace options {
namespace {

constexpr std::string_view kUsage =
    "使い方: wakusei [--help | --version]\n"
    "Usage: wakusei [--help | --version]\n"
    "\n"
    "惑星の動き: 太陽と惑星、彗星の動きを見る学習ソフトです。\n"
    "A teaching program about the motion of the planets.\n"
    "\n"
    "  --help     この説明を表示します / show this help\n"
    "  --version  バージョンを表示します / show the version\n"
    "\n"
    "Qt の標準オプション (-platform offscreen など) も使えます。\n"
    "Qt's standard options (such as -platform offscreen) are accepted too.\n";

// Qt's own options (QGuiApplication and QApplication), with one dash or two; QApplication takes
// them out of argv itself.
constexpr std::array<std::string_view, 12> kQtWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "style",         "stylesheet", "session",
    "display",     "geometry",
};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

} // namespace

Outcome Read(int argc, char** argv, std::FILE* out, std::FILE* err) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--version") {
            std::fputs("wakusei " WAKUSEI_VERSION "\n", out);
            return Outcome::Done;
        }
        if (arg == "--help" || arg == "-h") {
            std::fwrite(kUsage.data(), 1, kUsage.size(), out);
            return Outcome::Done;
        }
        std::string_view name = arg;
        if (name.starts_with("--")) {
            name.remove_prefix(2);
        } else if (name.starts_with("-")) {
            name.remove_prefix(1);
        } else {
            name = {};
        }
        // "-style=fusion" is Qt's too.
        const bool inline_value = name.find('=') != std::string_view::npos;
        name = name.substr(0, name.find('='));
        if (Contains(kQtWithValue, name)) {
            if (!inline_value) {
                ++i; // its value
            }
            continue;
        }
        if (Contains(kQtFlags, name)) {
            continue;
        }
        std::fprintf(
            err,
            "wakusei: %s: 知らないオプションです (wakusei --help で使い方を表示します)。 / "
            "unknown option or argument (see wakusei --help).\n",
            argv[i]);
        return Outcome::Mistake;
    }
    return Outcome::Run;
}

} // namespace options
