# Screenshots taken through the real save dialog, under a virtual X display.
if(VELTRANE_SCREEN_TOOLS)
  veltrane_display_test(gfx_screenshot_realwindow 180
    ${VELTRANE_XVFB_RUN} -a -s "-screen 0 1024x768x24"
    sh ${CMAKE_CURRENT_LIST_DIR}/screenshot_realwindow.sh $<TARGET_FILE:veltrane>
    ${CMAKE_CURRENT_BINARY_DIR}/screenshot_realwindow)
endif()
