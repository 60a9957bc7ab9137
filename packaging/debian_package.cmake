# The Debian package: `cpack -G DEB` (or the `package` target) in the build folder writes
# pelora_<version>_<arch>.deb. Its run-time dependencies are read off the program's shared
# libraries by dpkg-shlibdeps, so they follow whatever Qt the package was built against.

# The project says 1.0; a Debian version names all three parts.
set(version_patch "${PROJECT_VERSION_PATCH}")
if(version_patch STREQUAL "")
    set(version_patch 0)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelora)
set(CPACK_PACKAGE_VENDOR "The Pelora authors")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${version_patch}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw show for a number game, for a shop or hall screen")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Pelora runs unattended in one fixed window on a shop or hall screen and\n"
    "stages a public draw over and over: twelve of the numbers 1 to 28, each\n"
    "revealed by a smiley ball that flies onto its tile, then a five-minute rest\n"
    "with a countdown and a table of every draw since start-up.")
set(CPACK_PACKAGE_CONTACT "Pelora <contact@pelora.fr>" CACHE STRING
    "Maintainer line of the Debian package")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.pelora.fr")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The screen of its own (share/xsessions/pelora.desktop) colours the root window with xsetroot and
# hides the idle pointer with unclutter-xfixes; the show runs without them (the session says so in
# its log), and the user service needs neither, so they are recommended, which apt installs by
# default.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "x11-xserver-utils, unclutter-xfixes")

# A cross build's package is for the architecture it builds for (Debian's name for it, from the
# compiler's multiarch triplet), and dpkg-shlibdeps must read the program with that
# architecture's binutils and look its libraries up among that architecture's
# (package_config.cmake hands it DEB_HOST_ARCH).
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND dpkg-architecture -t "${CMAKE_LIBRARY_ARCHITECTURE}" -qDEB_HOST_ARCH
        RESULT_VARIABLE status OUTPUT_VARIABLE architecture ERROR_QUIET
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status STREQUAL "0" OR architecture STREQUAL "")
        message(FATAL_ERROR "No Debian architecture for '${CMAKE_LIBRARY_ARCHITECTURE}' "
            "(dpkg-architecture, from dpkg-dev, names it)")
    endif()
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "${architecture}")
    set(CPACK_PELORA_HOST_ARCHITECTURE "${architecture}")
endif()

# Two builds of one commit give the same package bytes: the program holds no build path (see
# cmake/ReproducibleBuild.cmake), the dates come from the commit (package_date.cmake), and
# neither the folders' rights nor the archive members' modes are left to the builder's umask
# (package_tree_modes.cmake for the files and folders, package_member_modes.cmake for the
# archive's members). CPack itself makes every entry root's and lists the files in order.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_SOURCE_DIR}/package_config.cmake")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/package_tree_modes.cmake")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/package_member_modes.cmake")
set(CPACK_PELORA_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# A source package is not made here; keep build folders and history out of one made by hand.
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/")

include(CPack)
