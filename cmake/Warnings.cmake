# Warnings for the project's own targets; BRANTILE_WERROR makes them errors.
function(brantile_warnings target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
            $<$<BOOL:${BRANTILE_WERROR}>:-Werror>)
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${BRANTILE_WERROR}>:/WX>)
    endif()
endfunction()
