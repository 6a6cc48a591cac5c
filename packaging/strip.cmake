# Run by CPack on the staged files, before it packs them: strips the programs
# as Debian's own packaging tools do, with the compiler's comment section and
# the .note section removed as well as the symbols.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games/*")
if(NOT programs)
  message(FATAL_ERROR "no programs to strip in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games")
endif()
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
