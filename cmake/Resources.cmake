# Compiles a string-table script into a C++ table.
#
# Script lines: an identifier, blanks, and a C-escaped text in double
# quotes ("STRRESOURCE.TXT"); lines starting with # are comments. The
# generated file defines the table named by `symbol` as an array of
# tessera::StringResource ending with id 0.
function(tessera_resource_table symbol script output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DSCRIPT=${script} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${CMAKE_SOURCE_DIR}/cmake/GenerateStrings.cmake
    DEPENDS ${script} ${CMAKE_SOURCE_DIR}/cmake/GenerateStrings.cmake
    COMMENT "Compiling string table ${script}")
endfunction()
