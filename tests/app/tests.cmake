# --help and --version answer on standard output and end with status 0 without a window,
# even where there is no display at all.
set(app_help_pattern "^Usage: veltrane \\[TOPIC\\.vtp\\]$")
set(app_version_pattern "^Veltrane [0-9]+\\.[0-9]+\\.[0-9]+$")
foreach(switch IN ITEMS help version)
  add_test(NAME app_${switch}_without_display
    COMMAND bash -c "set -o pipefail; \"$0\" --$1 | grep -Eq \"$2\"" $<TARGET_FILE:veltrane> ${switch} "${app_${switch}_pattern}")
  set_tests_properties(app_${switch}_without_display PROPERTIES
    TIMEOUT 30
    ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=unset:;DISPLAY=unset:;WAYLAND_DISPLAY=unset:")
endforeach()

# The scripted commands (--scores, --export, --report) from a shell with no display.
add_test(NAME app_command_line
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/command_line.sh $<TARGET_FILE:veltrane> ${PROJECT_SOURCE_DIR})
set_tests_properties(app_command_line PROPERTIES TIMEOUT 120
  ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=unset:;DISPLAY=unset:;WAYLAND_DISPLAY=unset:")
