# The fonts are found wherever fontconfig knows them, and a missing font
# stops the build with the name of the package that provides it.
#
#   cmake -DSOURCE=<source dir> -DWORK=<scratch dir> -DREGULAR=<font file> -P font-lookup.cmake
#
# fontconfig is pointed at a folder of its own, holding a copy of the regular
# font outside every standard font folder.
include(${SOURCE}/cmake/Fonts.cmake)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/fonts)
file(COPY_FILE ${REGULAR} ${WORK}/fonts/Regular.ttf)
file(WRITE ${WORK}/fonts.conf
     "<fontconfig><dir>${WORK}/fonts</dir><cachedir>${WORK}/cache</cachedir></fontconfig>\n")
set(ENV{FONTCONFIG_FILE} ${WORK}/fonts.conf)

brantile_find_font(found FAMILY "Liberation Sans" STYLE Regular PACKAGE fonts-liberation2)
if(NOT found STREQUAL "${WORK}/fonts/Regular.ttf")
    message(FATAL_ERROR "found the regular font at ${found}, not in ${WORK}/fonts")
endif()

# The bold font is not there, though fontconfig offers the regular one for it.
file(WRITE ${WORK}/bold.cmake
     "cmake_minimum_required(VERSION 3.25)\ninclude(${SOURCE}/cmake/Fonts.cmake)\n"
     "brantile_find_font(found FAMILY \"Liberation Sans\" STYLE Bold PACKAGE fonts-liberation2)\n")
execute_process(COMMAND ${CMAKE_COMMAND} -P ${WORK}/bold.cmake
                RESULT_VARIABLE result ERROR_VARIABLE message)
string(REGEX REPLACE "[ \n]+" " " message "${message}")
set(expected "Liberation Sans Bold is missing: install the Debian package fonts-liberation2")
if(result EQUAL 0 OR NOT message MATCHES "${expected}")
    message(FATAL_ERROR "a missing bold font went unnoticed or unnamed: ${message}")
endif()
