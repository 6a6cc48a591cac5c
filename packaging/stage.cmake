# Run by CPack on the staged files, before it packs them, so that the package
# is the same from any build directory, `make package`'s or one configured
# with no options at all.
#
# Debian keeps games in /usr/games. A build configured with the default
# program directory stages them in usr/bin instead; they move. The programs
# find their data from any directory one below the prefix, so they work from
# either.
set(games_dir "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/games")
file(GLOB staged_programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/*/quagmore")
list(LENGTH staged_programs staged_count)
if(NOT staged_count EQUAL 1)
  message(FATAL_ERROR "not one staged quagmore program under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr: ${staged_programs}")
endif()
get_filename_component(programs_dir "${staged_programs}" DIRECTORY)
if(NOT programs_dir STREQUAL games_dir)
  if(EXISTS "${games_dir}")
    message(FATAL_ERROR "the programs are staged in ${programs_dir}, and ${games_dir} is there as well")
  endif()
  file(RENAME "${programs_dir}" "${games_dir}")
endif()

# Stripped as Debian's own packaging tools do, with the compiler's comment
# section and the .note section removed as well as the symbols.
file(GLOB programs "${games_dir}/*")
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
