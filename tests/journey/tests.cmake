# A person's whole journey through the real windows under a virtual X display (journey.sh).
find_program(VELTRANE_PYTHON3 python3)
if(VELTRANE_SCREEN_TOOLS AND VELTRANE_PYTHON3)
  veltrane_display_test(journey_start_edit_save_reload 180
    ${VELTRANE_XVFB_RUN} -a -s "-screen 0 1280x1024x24"
    ${CMAKE_CURRENT_LIST_DIR}/journey.sh $<TARGET_FILE:veltrane>)
else()
  message(STATUS "Journey test skipped: xvfb-run, xdotool, xwd, python3 or ImageMagick missing")
endif()
