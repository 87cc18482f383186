# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The drawing of the program's pictures and icons, run by tools/gen_pictures.py."""
