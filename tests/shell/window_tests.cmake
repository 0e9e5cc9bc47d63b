find_package(Qt6 REQUIRED COMPONENTS Test)

pelorin_add_test(window_tests
  SOURCES
    shell/window_test_main.cpp
    shell/window_layout_test.cpp
    shell/keyboard_rules_test.cpp
    shell/escaped_error_test.cpp
    pages/profit_loss_page_test.cpp
    pages/quantity_page_test.cpp
  LIBRARIES pelorin_window Qt6::Test)
target_include_directories(window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/shell)
