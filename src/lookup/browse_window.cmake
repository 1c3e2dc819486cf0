# The main lookup window Browse_EGRUL: its texts (no Qt) and its widgets over the lookup logic of
# kvilo_lookup. Included from the top level, beside this folder's own CMakeLists.txt.
add_library(kvilo_browse_texts STATIC ${CMAKE_CURRENT_LIST_DIR}/browse_texts.cpp)
target_include_directories(kvilo_browse_texts PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(kvilo_browse_texts PUBLIC kvilo_platform)

add_library(kvilo_browse_window STATIC
    ${CMAKE_CURRENT_LIST_DIR}/browse_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/party_row_source.cpp)
set_target_properties(kvilo_browse_window PROPERTIES AUTOMOC ON)
target_link_libraries(kvilo_browse_window PUBLIC kvilo_browse_texts kvilo_lookup kvilo_listcontrol kvilo_framework
    kvilo_resources Qt6::Widgets)
