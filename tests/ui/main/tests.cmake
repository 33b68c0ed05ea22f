# The real window: the built program under a virtual X display (see realwindow.sh).
find_program(VELTRANE_XVFB_RUN xvfb-run)
find_program(VELTRANE_XDOTOOL xdotool)
find_program(VELTRANE_XWD xwd)
if(VELTRANE_XVFB_RUN AND VELTRANE_XDOTOOL AND VELTRANE_XWD AND EXISTS /usr/bin/convert)
  add_test(NAME ui_main_realwindow
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/realwindow.sh $<TARGET_FILE:veltrane> ${CMAKE_CURRENT_BINARY_DIR}/realwindow)
  set_tests_properties(ui_main_realwindow PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb)
  # Undo and redo of a mouse drag there (see undo_realwindow.sh).
  add_test(NAME ui_main_undo_realwindow
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/undo_realwindow.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/car.vtp
            ${CMAKE_CURRENT_BINARY_DIR}/undo_realwindow)
  set_tests_properties(ui_main_undo_realwindow PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb)
  # Size and place across restarts under a window manager (see placement.sh).
  find_program(VELTRANE_OPENBOX openbox)
  find_program(VELTRANE_WMCTRL wmctrl)
  find_program(VELTRANE_XPROP xprop)
  if(VELTRANE_OPENBOX AND VELTRANE_WMCTRL AND VELTRANE_XPROP)
    add_test(NAME ui_main_placement_openbox
      COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/placement.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/car.vtp
              ${CMAKE_CURRENT_BINARY_DIR}/placement)
    set_tests_properties(ui_main_placement_openbox PROPERTIES TIMEOUT 180 RESOURCE_LOCK xvfb)
  else()
    message(STATUS "Placement test skipped: openbox, wmctrl or xprop missing")
  endif()
else()
  message(STATUS "Real-window test skipped: xvfb-run, xdotool, xwd or ImageMagick missing")
endif()

# What a screen reader hears, over AT-SPI (see accessibility.sh).
find_program(VELTRANE_DBUS_RUN_SESSION dbus-run-session)
if(VELTRANE_XVFB_RUN AND VELTRANE_DBUS_RUN_SESSION AND EXISTS /usr/bin/python3)
  add_test(NAME ui_main_accessibility_atspi
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/accessibility.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR}/examples/car.vtp
            ${CMAKE_CURRENT_BINARY_DIR}/accessibility)
  set_tests_properties(ui_main_accessibility_atspi PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb)
else()
  message(STATUS "AT-SPI check skipped: xvfb-run, dbus-run-session or /usr/bin/python3 missing")
endif()
