# The real window: the built program under a virtual X display (see realwindow.sh).
find_program(VELTRANE_XVFB_RUN xvfb-run)
find_program(VELTRANE_XDOTOOL xdotool)
find_program(VELTRANE_XWD xwd)
if(VELTRANE_XVFB_RUN AND VELTRANE_XDOTOOL AND VELTRANE_XWD AND EXISTS /usr/bin/convert)
  add_test(NAME ui_main_realwindow
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/realwindow.sh $<TARGET_FILE:veltrane> ${CMAKE_CURRENT_BINARY_DIR}/realwindow)
  set_tests_properties(ui_main_realwindow PROPERTIES TIMEOUT 120 RESOURCE_LOCK xvfb)
else()
  message(STATUS "Real-window test skipped: xvfb-run, xdotool, xwd or ImageMagick missing")
endif()
