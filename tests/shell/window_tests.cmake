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

# The window as a real X server and window manager show it. The wrapper gives
# the test program its own Xvfb, D-Bus session and openbox.
add_executable(x11_window_tests shell/window_test_main.cpp shell/x11_window_test.cpp)
target_link_libraries(x11_window_tests PRIVATE pelorin_window Qt6::Test pelorin_warnings GTest::gtest)
target_compile_definitions(x11_window_tests PRIVATE PELORIN_BINARY="$<TARGET_FILE:pelorin>")
add_dependencies(x11_window_tests pelorin)
add_test(NAME x11_window_tests
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/shell/run_under_x11 $<TARGET_FILE:x11_window_tests>)
set_tests_properties(x11_window_tests PROPERTIES TIMEOUT 300 LABELS x11)
