# Compiles resource scripts into the C++ source of a resource table (the
# script format: lang/compiler/resource_script.h). OWNER is PROGRAM (the
# program's own table) or LIBRARY (a language library's exported table);
# a later script replaces entries of an earlier one by identifier.
function(tessera_resource_table output owner)
  string(TOLOWER ${owner} mode)
  add_custom_command(
    OUTPUT ${output}
    COMMAND tessera_rescomp --${mode} ${output} ${ARGN}
    DEPENDS tessera_rescomp ${ARGN}
    COMMENT "Compiling resources into ${output}")
endfunction()
