# Read by cpack before it builds the .deb: the package's Depends, from what dpkg-shlibdeps finds
# for the program's ELF files, and what they load at run time.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
file(READ ${CPACK_POLYSKOP_ELF_FILES_LIST} elf_files)
# dpkg-shlibdeps runs in a source package's directory; an empty control file stands for one.
set(work ${CPACK_PACKAGE_DIRECTORY}/_shlibdeps)
file(MAKE_DIRECTORY ${work}/debian)
file(TOUCH ${work}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O ${elf_files}
                WORKING_DIRECTORY ${work}
                OUTPUT_VARIABLE shlibs
                ERROR_VARIABLE complaints
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dpkg-shlibdeps failed for ${elf_files}:\n${complaints}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" linked "${shlibs}")
string(STRIP "${linked}" linked)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_POLYSKOP_RUNTIME_DEPENDS}, ${linked}")
