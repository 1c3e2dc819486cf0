# Helpers that every tests/<area>/CMakeLists.txt uses, so that all tests are declared the same way.
if(KVILO_BUILD_TESTS)
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()

# kvilo_add_gtest(NAME name SOURCES a.cpp ... LIBS lib ...)
# A GoogleTest executable, registered case by case with CTest.
function(kvilo_add_gtest)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${T_NAME} PRIVATE
        KVILO_TEST_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
        KVILO_BINARY_DIR="${PROJECT_BINARY_DIR}")
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# kvilo_add_qtest(NAME name SOURCES a.cpp ... LIBS lib ...)
# A Qt Test executable for a window, run under the offscreen platform.
function(kvilo_add_qtest)
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
    target_compile_definitions(${T_NAME} PRIVATE
        KVILO_TEST_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
        KVILO_BINARY_DIR="${PROJECT_BINARY_DIR}")
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
