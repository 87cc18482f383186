# SPDX-FileCopyrightText: 2026 The wakusei authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by `cpack` in a build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wakusei)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program about the motion of the planets (惑星の動き)")
# One string with "\n" between the lines: a list of strings would be joined with ";". Debian
# wants each line of the long description to fit 80 columns; an empty line parts paragraphs.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "A teaching program for school lessons. The Sun, Mercury, Venus, the Earth\n"
    "with the Moon, Mars, Jupiter, Saturn and a comet move in their orbits and\n"
    "leave coloured trails, first round the Sun and then with the Earth held at\n"
    "the centre, where the loops that the planets seem to draw can be seen.\n"
    "\n"
    "A second window shows every body in the direction in which it is seen from\n"
    "the Earth, over the twelve zodiac constellations. All texts are Japanese.")
set(CPACK_PACKAGE_CONTACT "Wakusei developers <wakusei@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Shared libraries are found by dpkg-shlibdeps; the fonts are needed at run time by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-motoya-l-maruberi")
set(CPACK_STRIP_FILES ON)
include(CPack)

# Release builds are the ones packaged: harden them as Debian hardens its own packages
# (dpkg-buildflags): checked string and memory functions, a stack protector, and relocations made
# read-only and bound at start. Every target of the tree gets the flags, so that the libraries
# linked into the program are hardened too.
function(wakusei_harden dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            target_compile_options(${target} PRIVATE
                "$<$<CONFIG:Release>:-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
            target_link_options(${target} PRIVATE "$<$<CONFIG:Release>:LINKER:-z,relro,-z,now>")
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        wakusei_harden(${subdir})
    endforeach()
endfunction()
wakusei_harden(${PROJECT_SOURCE_DIR})
