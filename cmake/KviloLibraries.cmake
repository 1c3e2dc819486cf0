# Every library of the project is declared through kvilo_add_library, which records the library's layer on
# the target (property KVILO_LAYER) for the layering test (cmake/CheckLayers.cmake).

# The type of the program's own libraries, in one place: shared libraries that kvilo and kvilo-cli share, and
# that the start-up check finds beside the program. In the build they all go to the program's folder.
set(KVILO_LIBRARY_TYPE SHARED)
if(KVILO_BUILD_FUZZ)
    # libFuzzer instruments and runs the code under test inside its one program.
    set(KVILO_LIBRARY_TYPE STATIC)
endif()
set(KVILO_PROGRAM_BUILD_DIR ${PROJECT_BINARY_DIR}/src/app)

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
    target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src ${KVILO_GENERATED_DIR})
    target_link_libraries(${L_NAME} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
    if(type STREQUAL "SHARED")
        set_target_properties(${L_NAME} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${KVILO_PROGRAM_BUILD_DIR})
        # Calls inside a library stay direct, as they were when it was linked statically: no function of
        # ours is meant to be replaced by another library's.
        target_compile_options(${L_NAME} PRIVATE -fno-semantic-interposition)
        target_link_options(${L_NAME} PRIVATE LINKER:-Bsymbolic-functions)
    endif()
endfunction()

# The program's own libraries and programs (every target with a layer but support) that are files of their
# own: what carries the version note and what is installed.
function(kvilo_program_binaries out)
    kvilo_targets_below(${PROJECT_SOURCE_DIR} targets)
    set(binaries)
    foreach(target IN LISTS targets)
        get_target_property(layer ${target} KVILO_LAYER)
        get_target_property(type ${target} TYPE)
        if(layer AND NOT layer STREQUAL "support" AND type MATCHES "^(SHARED_LIBRARY|EXECUTABLE)$")
            list(APPEND binaries ${target})
        endif()
    endforeach()
    set(${out} ${binaries} PARENT_SCOPE)
endfunction()

# Every target defined in `dir` and the folders below it.
function(kvilo_targets_below dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        kvilo_targets_below(${subdir} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The targets that `target` links: its own links, private ones included (what it needs at run time whatever
# the library type); for an imported target, what it brings along.
function(kvilo_linked_targets target out)
    get_target_property(imported ${target} IMPORTED)
    if(imported)
        get_target_property(items ${target} INTERFACE_LINK_LIBRARIES)
    else()
        get_target_property(items ${target} LINK_LIBRARIES)
    endif()
    set(linked)
    foreach(item IN LISTS items)
        string(REGEX REPLACE "^\\$<(LINK_ONLY|TARGET_NAME_IF_EXISTS):(.*)>$" "\\2" item "${item}")
        if(TARGET "${item}")
            get_target_property(aliased ${item} ALIASED_TARGET)
            if(aliased)
                set(item ${aliased})
            endif()
            list(APPEND linked ${item})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES linked)
    set(${out} ${linked} PARENT_SCOPE)
endfunction()

# Writes the link graph of the whole build for the layering test (cmake/CheckLayers.cmake): every target
# with its layer, its folder and the targets it links.
function(kvilo_write_link_graph file)
    kvilo_targets_below(${PROJECT_SOURCE_DIR} pending)
    set(seen)
    set(graph "# Written by configuring the project: the link graph that the layering test checks.\n")
    while(pending)
        list(POP_FRONT pending target)
        if(target IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${target})
        kvilo_linked_targets(${target} linked)
        list(APPEND pending ${linked})
        get_target_property(imported ${target} IMPORTED)
        set(layer "")
        set(folder "")
        if(NOT imported)
            get_target_property(layer ${target} KVILO_LAYER)
            if(NOT layer)
                set(layer "")
            endif()
            get_target_property(dir ${target} SOURCE_DIR)
            file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
        endif()
        string(APPEND graph "list(APPEND KVILO_GRAPH [=[${target}]=])\n"
            "set([=[${target}_LAYER]=] [=[${layer}]=])\n"
            "set([=[${target}_FOLDER]=] [=[${folder}]=])\n"
            "set([=[${target}_LINKS]=] [=[${linked}]=])\n")
    endwhile()
    file(WRITE ${file} "${graph}")
endfunction()
