# Run by CPack on the staged install tree, after its own strip: removes what
# Debian's tools also remove from a shipped executable, the compilers'
# version strings (.comment) and the bare .note section.
file(GLOB_RECURSE staged_executables "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(executable IN LISTS staged_executables)
  execute_process(COMMAND ${CPACK_MIREL_STRIP} --remove-section=.comment --remove-section=.note
                          ${executable} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
