# Run by cpack once it has installed the package's files into its staging folder and before it
# archives them (CPACK_PRE_BUILD_SCRIPTS). The archive takes every entry's mode from that folder,
# and the folders CPack makes there itself (./usr, ./usr/share …) follow the builder's umask: under
# umask 077, as root and hardened machines often have, they would be 0700, and an installed copy
# would leave its documentation and icons unreadable to the user who runs the show. Folders are
# made 0755 and files 0644, or 0755 for those any user may run, whatever the umask.
cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    message(FATAL_ERROR "no staging folder to set the modes in: "
        "'${CPACK_TEMPORARY_INSTALL_DIRECTORY}'")
endif()
# u=rwX,go=rX: read for all, write for the owner, and execute where it is a folder or a file that
# someone could already execute.
execute_process(
    COMMAND chmod -R u=rwX,go=rX "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
    RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
    message(FATAL_ERROR "cannot set the modes of the package's files: chmod said ${status}")
endif()
