# Installs Veltrane as a desktop program: the desktop entry, the icon, the topic file type
# (application/x-veltrane-topic, *.vtp) and the help page, beside the binary.
# The program itself registers nothing; `cmake --install` puts these files in place and,
# for a live install (no DESTDIR), refreshes the desktop's MIME and application caches.

set(VELTRANE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/veltrane)
set(VELTRANE_ICON_SIZES 16 24 32 48 64 128 256)

# The help page as seen from the installed binary, and the source tree's copy for a
# program run from its build folder.
file(RELATIVE_PATH VELTRANE_HELP_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATAROOTDIR}/doc/veltrane/help.html)
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/ui/support/HelpPage.cpp
  TARGET_DIRECTORY veltrane_ui
  PROPERTIES COMPILE_DEFINITIONS
  "VELTRANE_HELP_FROM_BINDIR=\"${VELTRANE_HELP_FROM_BINDIR}\";VELTRANE_HELP_SOURCE=\"${PROJECT_SOURCE_DIR}/docs/help.html\"")

# The fixed-size icons are painted by the program's own icon code.
add_executable(veltrane_render_icons ${PROJECT_SOURCE_DIR}/tools/render_icons.cpp)
target_link_libraries(veltrane_render_icons PRIVATE veltrane_ui)
set(VELTRANE_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(icon_files)
foreach(size IN LISTS VELTRANE_ICON_SIZES)
  list(APPEND icon_files ${VELTRANE_ICON_DIR}/${size}x${size}/apps/veltrane.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:veltrane_render_icons> ${VELTRANE_ICON_DIR} ${VELTRANE_ICON_SIZES}
  DEPENDS veltrane_render_icons
  COMMENT "Painting the application icons")
add_custom_target(veltrane_icons ALL DEPENDS ${icon_files})

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/veltrane.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/veltrane-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages RENAME veltrane.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/veltrane.svg
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS VELTRANE_ICON_SIZES)
  install(FILES ${VELTRANE_ICON_DIR}/${size}x${size}/apps/veltrane.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/help.html DESTINATION ${VELTRANE_INSTALL_DOCDIR})

install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    find_program(VELTRANE_UPDATE_MIME update-mime-database)
    find_program(VELTRANE_UPDATE_DESKTOP update-desktop-database)
    find_program(VELTRANE_UPDATE_ICONS gtk-update-icon-cache)
    if(VELTRANE_UPDATE_MIME)
      execute_process(COMMAND ${VELTRANE_UPDATE_MIME} "${share}/mime")
    endif()
    if(VELTRANE_UPDATE_DESKTOP)
      execute_process(COMMAND ${VELTRANE_UPDATE_DESKTOP} -q "${share}/applications")
    endif()
    if(VELTRANE_UPDATE_ICONS AND EXISTS "${share}/icons/hicolor/index.theme")
      execute_process(COMMAND ${VELTRANE_UPDATE_ICONS} -q -t "${share}/icons/hicolor")
    endif()
  endif()
]])

# The manual page, compressed as manual pages are installed (-n: no name or time inside, so
# the same source gives the same bytes).
configure_file(${PROJECT_SOURCE_DIR}/docs/veltrane.1.in ${PROJECT_BINARY_DIR}/man/veltrane.1 @ONLY)
find_program(VELTRANE_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/veltrane.1.gz
  COMMAND ${VELTRANE_GZIP} -9nf -k ${PROJECT_BINARY_DIR}/man/veltrane.1
  DEPENDS ${PROJECT_BINARY_DIR}/man/veltrane.1
  COMMENT "Compressing the manual page")
add_custom_target(veltrane_manpage ALL DEPENDS ${PROJECT_BINARY_DIR}/man/veltrane.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/man/veltrane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
