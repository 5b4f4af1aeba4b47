# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` in a release build folder writes
# tessalin_<version>_<arch>.deb, its dependencies found by dpkg-shlibdeps.

set(TESSALIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tessalin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${TESSALIN_DOC_DIR})

# Debian wants the change log compressed, and gzip -n keeps it the same from build to build.
if(TESSALIN_GZIP)
  set(changelog "${CMAKE_CURRENT_BINARY_DIR}/changelog")
  add_custom_command(OUTPUT "${changelog}.gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_CURRENT_LIST_DIR}/changelog" "${changelog}"
    COMMAND ${TESSALIN_GZIP} -9nf "${changelog}"
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    VERBATIM)
  add_custom_target(changelog ALL DEPENDS "${changelog}.gz")
  install(FILES "${changelog}.gz" DESTINATION ${TESSALIN_DOC_DIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessalin)
set(CPACK_PACKAGE_VENDOR "The Tessalin developers")
set(CPACK_PACKAGE_CONTACT "The Tessalin developers <developers@tessalin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slide rule that multiplies and adds")
set(CPACK_PACKAGE_DESCRIPTION
  "Tessalin shows a slide rule on the desktop: the movable slide (scale C)
above the fixed stator (scale D), the stator again with the slide's copies
one scale length to either side, and a cursor with a yellow frame and a
dotted hairline over both views. Drag the slide and the cursor with the
mouse or move them with the keys, and switch the scales between logarithmic
(the rule multiplies) and linear (it adds). A table shows the readings at
the indexes and under the hairline, and a task line states the computation,
such as 2 x 3 = 6. All texts of the program are German.
.
tessalin-snapshot renders the same picture without a window, as PNG, and
prints the readings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
