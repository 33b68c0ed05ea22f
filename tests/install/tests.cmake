# Installs the build into a temporary prefix and checks the desktop integration files.
add_test(NAME install_desktop_integration
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_install.sh ${PROJECT_BINARY_DIR})
set_tests_properties(install_desktop_integration PROPERTIES TIMEOUT 120 ENVIRONMENT "${VELTRANE_TEST_ENV}")
