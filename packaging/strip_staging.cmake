# Run by CPack on its staging folder before it packs it: strips each ELF file as Debian's
# dh_strip does, without the sections nothing needs at run time (.comment, .note).
cmake_policy(SET CMP0009 NEW)
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file ${files})
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
                                      --strip-unneeded "${file}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
