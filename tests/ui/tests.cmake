# Window tests: QtTest-style checks in GoogleTest on the offscreen platform.
file(GLOB ORVEX71_UI_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
if(ORVEX71_UI_TESTS AND TARGET orvex71_gui)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(orvex71_ui_tests ${ORVEX71_UI_TESTS} ${CMAKE_CURRENT_LIST_DIR}/ui_test_main.cpp)
  target_link_libraries(orvex71_ui_tests PRIVATE orvex71_gui Qt6::Test GTest::gtest)
  target_include_directories(orvex71_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_compile_definitions(orvex71_ui_tests PRIVATE
    ORVEX71_TEST_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(orvex71_ui_tests DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
