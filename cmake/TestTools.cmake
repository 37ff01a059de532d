# Tests that run programs from outside the build find them when the project is
# configured. Where one is missing, the test is skipped, and configuring names
# the Debian package that has it.

# brantile_missing_tools(variable tool package [tool package ...]): sets
# variable to the tools that are not found, each with its package.
function(brantile_missing_tools variable)
    set(missing)
    set(pairs ${ARGN})
    while(pairs)
        list(POP_FRONT pairs tool package)
        string(MAKE_C_IDENTIFIER "BRANTILE_TOOL_${tool}" path)
        find_program(${path} ${tool} PATHS /usr/libexec)
        if(NOT ${path})
            list(APPEND missing "${tool} (Debian package ${package})")
        endif()
    endwhile()
    set(${variable} ${missing} PARENT_SCOPE)
endfunction()

# brantile_tool_test(name NEEDS tool package ... [MISSING what ...]
#                    COMMAND ... [ENVIRONMENT ...] [LABELS ...]): registers the
# test when every tool is there and nothing is named under MISSING; otherwise
# a test of that name that reports itself skipped.
function(brantile_tool_test name)
    cmake_parse_arguments(ARG "" "" "NEEDS;MISSING;COMMAND;ENVIRONMENT;LABELS" ${ARGN})
    brantile_missing_tools(missing ${ARG_NEEDS})
    list(APPEND missing ${ARG_MISSING})
    if(NOT missing)
        add_test(NAME ${name} COMMAND ${ARG_COMMAND})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}"
                             LABELS "${ARG_LABELS}")
        return()
    endif()
    list(JOIN missing ", " needs)
    message(STATUS "Test ${name} skipped: missing ${needs}")
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "Skipped: ${name} needs ${needs}")
    set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^Skipped: "
                         LABELS "${ARG_LABELS}")
endfunction()

# brantile_windows_tests_need_wine([tool package ...]): called last in a
# folder whose tests are built for Windows, skips them all where Wine, or one
# of the tools named, is missing.
function(brantile_windows_tests_need_wine)
    if(NOT (CMAKE_CROSSCOMPILING AND WIN32))
        return()
    endif()
    brantile_missing_tools(missing wine wine ${ARGN})
    get_property(tests DIRECTORY PROPERTY TESTS)
    if(missing AND tests)
        list(JOIN missing ", " needs)
        message(STATUS "Windows tests skipped: missing ${needs}")
        set_tests_properties(${tests} PROPERTIES DISABLED ON)
    endif()
endfunction()
