# The version declared in the top CMakeLists.txt, turned into what the sources and the binaries carry:
#   - base/build_version.h (generated): version, build number and build date for the program's texts;
#   - the version note: every library and program of the build links one object holding the ELF note
#     ".note.kvilo.version" with its version, which start-up's build check reads back from the file.

if(NOT KVILO_BUILD_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "KVILO_BUILD_DATE '${KVILO_BUILD_DATE}' is not YYYY-MM-DD")
endif()
math(EXPR KVILO_BUILD_YEAR "${CMAKE_MATCH_1}")
math(EXPR KVILO_BUILD_MONTH "${CMAKE_MATCH_2}")
math(EXPR KVILO_BUILD_DAY "${CMAKE_MATCH_3}")
if(KVILO_BUILD_NUMBER GREATER 65535)
    message(FATAL_ERROR "KVILO_BUILD_NUMBER ${KVILO_BUILD_NUMBER} does not fit the 16-bit build component")
endif()
# The package's version: the four components of the file version.
set(KVILO_FULL_VERSION ${PROJECT_VERSION}.${KVILO_BUILD_NUMBER})

set(KVILO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/build_version.h.in ${KVILO_GENERATED_DIR}/base/build_version.h @ONLY)

add_library(kvilo_version_note OBJECT ${PROJECT_SOURCE_DIR}/src/base/version_note.cpp)
target_include_directories(kvilo_version_note PRIVATE ${PROJECT_SOURCE_DIR}/src ${KVILO_GENERATED_DIR})
set_target_properties(kvilo_version_note PROPERTIES POSITION_INDEPENDENT_CODE ON)
# The note is data laid out for readers of the file: no sanitizer may pad or register it.
target_compile_options(kvilo_version_note PRIVATE -fno-sanitize=all)

# kvilo_add_version_notes(target ...): each of the targets carries the version note.
function(kvilo_add_version_notes)
    foreach(target IN LISTS ARGN)
        target_sources(${target} PRIVATE $<TARGET_OBJECTS:kvilo_version_note>)
    endforeach()
endfunction()
