# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by `cpack` in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wakusei)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program about the motion of the planets (惑星の動き)")
set(CPACK_PACKAGE_DESCRIPTION
    "The Sun, the planets, the Moon and a comet move in their orbits, first with the Sun at\n"
    "rest and then with the Earth fixed; a second window shows the sky as seen from the Earth\n"
    "over the zodiac constellations. Japanese texts.")
set(CPACK_PACKAGE_CONTACT "Wakusei developers <wakusei@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Shared libraries are found by dpkg-shlibdeps; the fonts are needed at run time by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-motoya-l-maruberi")
set(CPACK_STRIP_FILES ON)
include(CPack)
