# brantile_find_font(<variable> FAMILY <family> STYLE <style> PACKAGE <package>)
#
# Sets the cache entry <variable> to the file of the font <family> in <style>,
# as fontconfig's fc-match finds it, unless it holds a file already (given by
# hand with -D<variable>=<file>). Stops with a message naming the Debian
# package where fc-match is missing or finds only another font.
function(brantile_find_font variable)
    cmake_parse_arguments(ARG "" "FAMILY;STYLE;PACKAGE" "" ${ARGN})
    set(wanted "${ARG_FAMILY} ${ARG_STYLE}")
    if(${variable})
        if(NOT EXISTS "${${variable}}")
            message(FATAL_ERROR "${variable}: the font file ${${variable}} is missing")
        endif()
        return()
    endif()

    find_program(BRANTILE_FC_MATCH fc-match)
    if(NOT BRANTILE_FC_MATCH)
        message(FATAL_ERROR "fc-match, which finds the font ${wanted}, is missing: install the "
                            "Debian package fontconfig, or give the font's file with "
                            "-D${variable}=<file>")
    endif()
    # Where the font is missing, fc-match offers the nearest other one.
    execute_process(
        COMMAND ${BRANTILE_FC_MATCH} -f "%{family}\n%{style}\n%{file}"
                "${ARG_FAMILY}:style=${ARG_STYLE}"
        OUTPUT_VARIABLE match RESULT_VARIABLE result)
    string(REPLACE "\n" ";" match "${match}")
    list(LENGTH match fields)
    if(result EQUAL 0 AND fields EQUAL 3)
        list(GET match 0 families)
        list(GET match 1 styles)
        list(GET match 2 file)
        string(REPLACE "," ";" families "${families}")
        string(REPLACE "," ";" styles "${styles}")
        list(FIND families "${ARG_FAMILY}" family_at)
        list(FIND styles "${ARG_STYLE}" style_at)
        if(family_at GREATER -1 AND style_at GREATER -1 AND EXISTS "${file}")
            set(${variable} "${file}" CACHE FILEPATH "The font ${wanted}")
            return()
        endif()
    endif()
    message(FATAL_ERROR "The font ${wanted} is missing: install the Debian package ${ARG_PACKAGE}, "
                        "or give the font's file with -D${variable}=<file>")
endfunction()
