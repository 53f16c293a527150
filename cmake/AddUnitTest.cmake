# add_unit_test(name SOURCES ... LIBS ... [GUI])
# One GoogleTest executable per unit. Tests are discovered when ctest runs, not at build time,
# so building never needs a display. GUI tests run on Qt's offscreen platform and bring their own
# main(), which creates the QApplication; the others use GoogleTest's.
function(add_unit_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    if(ARG_GUI)
        set(env "QT_QPA_PLATFORM=offscreen")
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        set(env "")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${env}")
endfunction()
