# Tests that run programs from outside the build find them when the project is
# configured. Where one is missing, the test is skipped, and configuring names
# the Debian package that has it.

# brantile_imagemagick_validator(result candidate): takes a program only when
# it says it is ImageMagick's; Windows has a convert.exe of its own, a disk
# converter, and other systems may have other tools of these names.
function(brantile_imagemagick_validator result candidate)
    execute_process(COMMAND ${candidate} -version OUTPUT_VARIABLE version ERROR_QUIET
                    RESULT_VARIABLE status TIMEOUT 10)
    if(NOT status EQUAL 0 OR NOT version MATCHES "ImageMagick")
        set(${result} FALSE PARENT_SCOPE)
    endif()
endfunction()

# brantile_missing_tools(variable tool package [tool package ...]): sets
# variable to the tools that are not found, each with its package. The tools
# of the package imagemagick are taken only where they are ImageMagick's.
function(brantile_missing_tools variable)
    set(missing)
    set(pairs ${ARGN})
    while(pairs)
        list(POP_FRONT pairs tool package)
        string(MAKE_C_IDENTIFIER "BRANTILE_TOOL_${tool}" path)
        set(validator)
        if(package STREQUAL "imagemagick")
            set(validator VALIDATOR brantile_imagemagick_validator)
        endif()
        find_program(${path} ${tool} PATHS /usr/libexec ${validator})
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

# brantile_gtest(target [SUFFIX suffix] [PROPERTIES name value ...]): each
# case of a GoogleTest executable a test of its own, named TARGET.CASE[SUFFIX]
# (gtest_discover_tests, listed when the tests run), with the properties, lists
# among their values. Built for Windows, the executable is one test,
# TARGET[SUFFIX], under the target's emulator (Wine): there a case would cost
# a Wine process of a second or more, and the core's 200 cases minutes where
# the executables take seconds.
function(brantile_gtest target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "SUFFIX" "PROPERTIES")
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target}${ARG_SUFFIX} COMMAND ${target})
        set_tests_properties(${target}${ARG_SUFFIX} PROPERTIES ${ARG_PROPERTIES})
        return()
    endif()
    set(cases ${target}${ARG_SUFFIX}_cases)
    gtest_discover_tests(${target} TEST_PREFIX ${target}. TEST_SUFFIX "${ARG_SUFFIX}"
                         TEST_LIST ${cases} NO_PRETTY_VALUES DISCOVERY_MODE PRE_TEST)
    # gtest_discover_tests would split a list among the properties: they are
    # set once the cases are listed, each value whole.
    set(properties)
    foreach(item IN LISTS ARG_PROPERTIES)
        string(APPEND properties " [==[${item}]==]")
    endforeach()
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${cases}.cmake)
    file(WRITE ${script} "set_tests_properties(\${${cases}} PROPERTIES${properties})\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
