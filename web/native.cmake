# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Native helpers of the web build: the scenario runner on the headless backend, whose text the
# browser tests compare with the page's.
add_executable(web_scenario_headless ${CMAKE_CURRENT_LIST_DIR}/scenario_headless.cpp)
target_link_libraries(web_scenario_headless PRIVATE main_window controls_headless wakusei_warnings)
