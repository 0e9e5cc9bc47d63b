# The window: Qt Widgets shell, page wiring and the window description.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTOUIC ON)
set(CMAKE_AUTORCC ON)
set(CMAKE_AUTOUIC_SEARCH_PATHS ${CMAKE_CURRENT_SOURCE_DIR}/resources)

add_library(pelorin_window STATIC
  pages/profit_loss_page.cpp
  pages/quantity_page.cpp
  resources/form1.ui
  resources/pelorin.qrc
  shell/application_setup.cpp
  shell/bevel.cpp
  shell/display_locale.cpp
  shell/escaped_error.cpp
  shell/font_heights.cpp
  shell/form1.cpp
  shell/keyboard_rules.cpp
  shell/pelorin_application.cpp
  shell/radio_group.cpp
  shell/sized_label.cpp
)
target_include_directories(pelorin_window PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(pelorin_window PUBLIC pelorin_core Qt6::Widgets PRIVATE pelorin_warnings)

add_executable(pelorin shell/main.cpp)
target_link_libraries(pelorin PRIVATE pelorin_window pelorin_warnings)
