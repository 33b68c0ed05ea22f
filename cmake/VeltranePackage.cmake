# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream entry and the Debian copyright file, installed with everything else, and the
# Debian package that scripts/package builds from an install into /usr with CPack.

set(VELTRANE_HOMEPAGE "https://veltrane.org" CACHE STRING "The project's web address (AppStream, package)")
set(VELTRANE_APPSTREAM_ID org.veltrane.Veltrane)

configure_file(${PROJECT_SOURCE_DIR}/resources/package/veltrane.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/package/${VELTRANE_APPSTREAM_ID}.metainfo.xml @ONLY)
# The copyright file has the fixed layout Debian reads: its licence line is left out.
file(READ ${PROJECT_SOURCE_DIR}/resources/package/copyright.in copyright_text)
string(REGEX REPLACE "^#[^\n]*\n" "" copyright_text "${copyright_text}")
string(CONFIGURE "${copyright_text}" copyright_text @ONLY)
file(WRITE ${PROJECT_BINARY_DIR}/package/copyright "${copyright_text}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/package/copyright.in)

install(FILES ${PROJECT_BINARY_DIR}/package/${VELTRANE_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/package/copyright DESTINATION ${VELTRANE_INSTALL_DOCDIR})

# What each version brought, in the changelog layout Debian reads, compressed as Debian ships it.
configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in ${PROJECT_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/package/changelog.gz
  COMMAND ${VELTRANE_GZIP} -9nf -k ${PROJECT_BINARY_DIR}/package/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/package/changelog
  COMMENT "Compressing the changelog")
add_custom_target(veltrane_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/package/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/package/changelog.gz DESTINATION ${VELTRANE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VENDOR "The Veltrane developers")
set(CPACK_PACKAGE_CONTACT "The Veltrane developers <developers@veltrane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decision aid: weigh options against what matters")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Veltrane helps you make one decision well. You list the options you are"
  "choosing between and the attributes that matter, say how much each attribute"
  "weighs and how well each option does on it, and Veltrane scores every option"
  "at once as a weighted mean, with the best one in gold. Topics are saved as"
  "text files and go to and come from spreadsheets as CSV.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VELTRANE_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed through DESTDIR, so that the live-install step of VeltraneInstall.cmake (the desktop
# caches) stays out of the package: dpkg's triggers rebuild those caches on the target.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the font the windows are drawn in is no library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
