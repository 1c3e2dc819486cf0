# Every library of the project is declared through kvilo_add_library, which records the library's layer on
# the target (property KVILO_LAYER) for the layering test, tests/layering.

# The type of the program's own libraries, in one place.
set(KVILO_LIBRARY_TYPE STATIC)

# The layers from the bottom up. "lower" holds the text, JSON, HTTP and XLSX libraries; "cli" sits beside
# gui and app on top of core. "support" is for test and tool libraries: always static, and no library of the
# program may link one.
set(KVILO_LAYERS base platform lower core gui app cli support)

# kvilo_add_library(NAME target LAYER layer SOURCES a.cpp ... [PUBLIC_LIBS lib ...] [PRIVATE_LIBS lib ...])
# Includes are rooted at src/ for the library and for everything that links it.
function(kvilo_add_library)
    cmake_parse_arguments(L "" "NAME;LAYER" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    if(NOT L_LAYER IN_LIST KVILO_LAYERS)
        message(FATAL_ERROR "kvilo_add_library(${L_NAME}): layer '${L_LAYER}' is none of ${KVILO_LAYERS}")
    endif()
    set(type ${KVILO_LIBRARY_TYPE})
    if(L_LAYER STREQUAL "support")
        set(type STATIC)
    endif()
    add_library(${L_NAME} ${type} ${L_SOURCES})
    set_target_properties(${L_NAME} PROPERTIES KVILO_LAYER ${L_LAYER})
    target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${L_NAME} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
endfunction()
