# hushwave_test(NAME SOURCES... LIBS ... [LABELS label] [TIMEOUT seconds] [FIXTURES_REQUIRED ...])
# A GoogleTest program whose cases are registered with CTest one by one. Every case has a
# time-out (60 s unless given), so a case that hangs fails instead of holding the run.
function(hushwave_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;FIXTURES_REQUIRED" ${ARGN})
    if(NOT T_LABELS)
        set(T_LABELS unit)
    endif()
    list(LENGTH T_LABELS label_count)
    if(label_count GREATER 1)
        # The discovery script spreads a list over the property arguments, which would give
        # every case the wrong environment and no time-out.
        message(FATAL_ERROR "${name}: one label only, not ${T_LABELS}")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 60)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    # Leaks that libraries from the system make once per process are not the program's. Those
    # libraries have no frame pointers: the slow unwinder finds the calls the suppressions name.
    set(environment "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan-suppressions.txt:fast_unwind_on_malloc=0")
    set(properties LABELS "${T_LABELS}" ENVIRONMENT "${environment}" TIMEOUT ${T_TIMEOUT})
    if(T_FIXTURES_REQUIRED)
        list(APPEND properties FIXTURES_REQUIRED "${T_FIXTURES_REQUIRED}")
    endif()
    gtest_discover_tests(${name} PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
endfunction()

# hushwave_fuzz(NAME SOURCE LIBS... CORPUS dir)
# With HUSHWAVE_FUZZ the target is a libFuzzer program; otherwise it replays its corpus as a test.
function(hushwave_fuzz name)
    cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    if(HUSHWAVE_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    else()
        target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz/ReplayMain.cpp)
        if(NOT F_CORPUS)
            message(FATAL_ERROR "${name}: a fuzz target needs a corpus to replay")
        endif()
        add_test(NAME ${name}.replay COMMAND ${name} ${F_CORPUS})
        set_tests_properties(${name}.replay PROPERTIES LABELS "unit;fuzz" TIMEOUT 120)
    endif()
endfunction()

# hushwave_stage(TARGET STAGES... [SUBDIR dir])
# Copies a built target into the named stage folders after each build.
function(hushwave_stage target)
    cmake_parse_arguments(S "" "SUBDIR" "STAGES" ${ARGN})
    foreach(stage ${S_STAGES})
        set(dest ${HUSHWAVE_STAGE_DIR}/${stage})
        if(S_SUBDIR)
            set(dest ${dest}/${S_SUBDIR})
        endif()
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dest}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${dest}/
            VERBATIM)
    endforeach()
endfunction()
