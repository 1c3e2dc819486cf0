# The layering test: cmake -DGRAPH=<link graph> -P CheckLayers.cmake, over the graph that configuring the
# project writes (kvilo_write_link_graph). It fails, naming both targets, when
#   - a library or program links one of a layer it may not use (upward, or across to cli or test support);
#   - within lower, core or gui, an area links an area that comes after it in the order below;
#   - a target below gui (or kvilo-cli) links Qt Widgets or Qt Gui, directly or through what it links;
#   - a target of base, platform or the lower libraries links any Qt library.
cmake_minimum_required(VERSION 3.25)

if(NOT GRAPH OR NOT EXISTS "${GRAPH}")
    message(FATAL_ERROR "no link graph at '${GRAPH}': configure the project first")
endif()
include(${GRAPH})

# The layers each layer may link.
set(may_link_base base)
set(may_link_platform base platform)
set(may_link_lower base platform lower)
set(may_link_core base platform lower core)
set(may_link_gui base platform lower core gui)
set(may_link_app base platform lower core gui app)
set(may_link_cli base platform lower core cli)
set(may_link_support base platform lower core gui app cli support)

# Within a layer an area links only the areas before it.
set(areas_lower src/text src/json src/http src/xlsx)
set(areas_core src/core/framework src/core/calculator src/core/listformat src/core/online src/core/codes
    src/core/history src/core/lookup src/core/extract src/core/batch src/core/shell src/core/startup)
set(areas_gui resources src/gui/framework src/gui/calculator src/gui/listcontrol src/gui/listformat src/gui/online
    src/gui/extract src/gui/browse src/gui/batch)

set(widget_free_layers base platform lower core cli)
set(qt_free_layers base platform lower)

set(failures 0)
function(fail)
    string(CONCAT text ${ARGN})
    message(SEND_ERROR "${text}")
    math(EXPR count "${failures} + 1")
    set(failures ${count} PARENT_SCOPE)
endfunction()

# The first target of `forbidden` (a regular expression over target names) that `target` reaches through its
# links, and the way there as "a -> b -> c"; empty when none is reached.
function(find_reached target forbidden out_path)
    set(queue ${target})
    set(seen ${target})
    set(via_${target} ${target})
    while(queue)
        list(POP_FRONT queue current)
        foreach(next IN LISTS ${current}_LINKS)
            if(next IN_LIST seen)
                continue()
            endif()
            list(APPEND seen ${next})
            set(via_${next} "${via_${current}} -> ${next}")
            if(next MATCHES "${forbidden}")
                set(${out_path} "${via_${next}}" PARENT_SCOPE)
                return()
            endif()
            list(APPEND queue ${next})
        endforeach()
    endwhile()
    set(${out_path} "" PARENT_SCOPE)
endfunction()

set(checked 0)
foreach(target IN LISTS KVILO_GRAPH)
    set(layer "${${target}_LAYER}")
    if(layer STREQUAL "")
        continue()
    endif()
    math(EXPR checked "${checked} + 1")
    set(folder "${${target}_FOLDER}")
    foreach(linked IN LISTS ${target}_LINKS)
        set(linked_layer "${${linked}_LAYER}")
        if(linked_layer STREQUAL "")
            continue()
        endif()
        if(NOT linked_layer IN_LIST may_link_${layer})
            string(JOIN ", " allowed ${may_link_${layer}})
            fail("${target} (${layer}, ${folder}) links ${linked} (${linked_layer}, ${${linked}_FOLDER}): "
                 "a ${layer} target may link only ${allowed}")
        elseif(linked_layer STREQUAL layer AND DEFINED areas_${layer})
            set(linked_folder "${${linked}_FOLDER}")
            list(FIND areas_${layer} "${folder}" own_rank)
            list(FIND areas_${layer} "${linked_folder}" linked_rank)
            if(own_rank EQUAL -1 OR linked_rank EQUAL -1)
                fail("${target} (${folder}) links ${linked} (${linked_folder}): an area of ${layer} is missing "
                     "from the area order in cmake/CheckLayers.cmake")
            elseif(linked_rank GREATER own_rank)
                string(JOIN ", " order ${areas_${layer}})
                fail("${target} (${folder}) links ${linked} (${linked_folder}): within ${layer} an area links "
                     "only the areas before it in the order ${order}")
            endif()
        endif()
    endforeach()
    if(layer IN_LIST qt_free_layers)
        find_reached(${target} "^Qt6::" path)
        if(path)
            fail("${target} (${layer}) links Qt through ${path}: ${layer} uses no Qt at all")
        endif()
    elseif(layer IN_LIST widget_free_layers)
        find_reached(${target} "^Qt6::(Widgets|Gui)$" path)
        if(path)
            fail("${target} (${layer}) links Qt Widgets or Gui through ${path}: only gui and app may")
        endif()
    endif()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "the link graph ${GRAPH} holds no target with a layer")
endif()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} layering fault(s) among ${checked} targets")
endif()
message(STATUS "layering: ${checked} targets, each links only what its layer may")
