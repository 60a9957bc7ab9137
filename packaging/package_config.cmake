# Read by cpack before it makes the package (CPACK_PROJECT_CONFIG_FILE): the package's dates
# (package_date.cmake) and, for a cross build, the architecture dpkg-shlibdeps works for: with
# DEB_HOST_ARCH set it reads the program with that architecture's objdump and finds its
# libraries in that architecture's folders (/usr/lib/aarch64-linux-gnu for arm64).
include("${CMAKE_CURRENT_LIST_DIR}/package_date.cmake")
if(CPACK_PELORA_HOST_ARCHITECTURE)
    set(ENV{DEB_HOST_ARCH} "${CPACK_PELORA_HOST_ARCHITECTURE}")
endif()
