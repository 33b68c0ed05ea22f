# The real window: the built program under a virtual X display (see realwindow.sh).
if(VELTRANE_SCREEN_TOOLS)
  veltrane_display_test(ui_main_realwindow 120
    sh ${CMAKE_CURRENT_LIST_DIR}/realwindow.sh $<TARGET_FILE:veltrane> ${CMAKE_CURRENT_BINARY_DIR}/realwindow)
  # Undo and redo of a mouse drag there (see undo_realwindow.sh).
  veltrane_display_test(ui_main_undo_realwindow 120
    sh ${CMAKE_CURRENT_LIST_DIR}/undo_realwindow.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/car.vtp
    ${CMAKE_CURRENT_BINARY_DIR}/undo_realwindow)
  # Size and place across restarts under a window manager (see placement.sh).
  find_program(VELTRANE_OPENBOX openbox)
  find_program(VELTRANE_WMCTRL wmctrl)
  find_program(VELTRANE_XPROP xprop)
  if(VELTRANE_OPENBOX AND VELTRANE_WMCTRL AND VELTRANE_XPROP)
    veltrane_display_test(ui_main_placement_openbox 180
      sh ${CMAKE_CURRENT_LIST_DIR}/placement.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/car.vtp
      ${CMAKE_CURRENT_BINARY_DIR}/placement)
  else()
    message(STATUS "Placement test skipped: openbox, wmctrl or xprop missing")
  endif()
else()
  message(STATUS "Real-window test skipped: xvfb-run, xdotool, xwd or ImageMagick missing")
endif()

# What a screen reader hears, over AT-SPI (see accessibility.sh).
find_program(VELTRANE_DBUS_RUN_SESSION dbus-run-session)
if(VELTRANE_XVFB_RUN AND VELTRANE_DBUS_RUN_SESSION AND EXISTS /usr/bin/python3)
  veltrane_display_test(ui_main_accessibility_atspi 120
    sh ${CMAKE_CURRENT_LIST_DIR}/accessibility.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/car.vtp
    ${CMAKE_CURRENT_BINARY_DIR}/accessibility)
  veltrane_display_test(ui_main_accessibility_atspi_measured 120
    sh ${CMAKE_CURRENT_LIST_DIR}/accessibility.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/laptop-measured.vtp
    ${CMAKE_CURRENT_BINARY_DIR}/accessibility_measured measured)
else()
  message(STATUS "AT-SPI check skipped: xvfb-run, dbus-run-session or /usr/bin/python3 missing")
endif()
