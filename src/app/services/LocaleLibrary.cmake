# The regional date and time formats from the system locale. QtCore only, so
# that the command-line report shares them without linking the widgets.
find_package(Qt6 REQUIRED COMPONENTS Core)
add_library(tiplark_locale STATIC
  ${CMAKE_CURRENT_LIST_DIR}/LocaleDateTimeFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleDateTimeFormat.h
)
target_include_directories(tiplark_locale PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(tiplark_locale PUBLIC tiplark_core Qt6::Core)
