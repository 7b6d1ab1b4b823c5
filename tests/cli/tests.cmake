# End-to-end runs of orvex71ctl.
file(GLOB ORVEX71_CLI_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
add_executable(orvex71_cli_tests ${ORVEX71_CLI_TESTS})
target_link_libraries(orvex71_cli_tests PRIVATE orvex71_core GTest::gtest GTest::gtest_main)
target_compile_definitions(orvex71_cli_tests PRIVATE
  ORVEX71CTL_PATH="$<TARGET_FILE:orvex71ctl>"
  ORVEX71_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(orvex71_cli_tests orvex71ctl)
gtest_discover_tests(orvex71_cli_tests DISCOVERY_TIMEOUT 60)
