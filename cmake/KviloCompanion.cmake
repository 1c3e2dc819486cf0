# The program's own companion libraries (core, storage drivers, memory manager): shared libraries beside
# the program, each carrying the version resource of its build in its file.
set(KVILO_BUILD_NUMBER 24076)  # 2024, day 076: the build of 16 March 2024

# kvilo_add_companion_library(NAME target ROLE text VERSION major minor patch build [OUTPUT_DIRECTORY dir])
function(kvilo_add_companion_library)
    cmake_parse_arguments(C "" "NAME;ROLE;OUTPUT_DIRECTORY" "VERSION" ${ARGN})
    list(GET C_VERSION 0 major)
    list(GET C_VERSION 1 minor)
    list(GET C_VERSION 2 patch)
    list(GET C_VERSION 3 build)
    add_library(${C_NAME} SHARED ${PROJECT_SOURCE_DIR}/src/app/companions/companion_library.cpp)
    target_include_directories(${C_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    target_compile_definitions(${C_NAME} PRIVATE
        KVILO_COMPANION_ROLE="${C_ROLE}" KVILO_VERSION_MAJOR=${major} KVILO_VERSION_MINOR=${minor}
        KVILO_VERSION_PATCH=${patch} KVILO_BUILD_NUMBER=${build})
    set_target_properties(${C_NAME} PROPERTIES CXX_VISIBILITY_PRESET hidden)
    if(C_OUTPUT_DIRECTORY)
        set_target_properties(${C_NAME} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${C_OUTPUT_DIRECTORY})
    endif()
endfunction()
