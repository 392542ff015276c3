# One place that registers a QtTest executable: offscreen platform, a per-function timeout,
# a ctest timeout and the sanitizer suppression files.
set(VORLIX_SANITIZER_DIR ${CMAKE_SOURCE_DIR}/sanitizer)

function(vorlix_test name)
    cmake_parse_arguments(ARG "IM_XVFB" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    vorlix_moc_eigene_quellen(${name})
    target_link_libraries(${name} PRIVATE Qt6::Test vorlix_testhilfe ${ARG_LIBS})
    # A test of windows compiles with the windows' headers, a test of logic with the logic's.
    set(schicht LOGIK)
    foreach(fenster vorlix_fenster vorlix_druck_fenster vorlix_druck_statisch Qt6::Widgets)
        if(fenster IN_LIST ARG_LIBS)
            set(schicht FENSTER)
        endif()
    endforeach()
    vorlix_pch(${name} ${schicht})
    if(ARG_IM_XVFB)
        # The real X platform with a window manager: Qt's own message boxes and real focus.
        add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/im_xvfb.sh $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    math(EXPR function_ms "${ARG_TIMEOUT} * 1000")
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=${function_ms};${VORLIX_SANITIZER_ENV}")
endfunction()

set(VORLIX_SANITIZER_ENV
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
    "LSAN_OPTIONS=suppressions=${VORLIX_SANITIZER_DIR}/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${VORLIX_SANITIZER_DIR}/ubsan.supp")
