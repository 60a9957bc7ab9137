# Read by cpack before it makes the package (CPACK_PROJECT_CONFIG_FILE). The Debian package stamps
# its members and every file in it with SOURCE_DATE_EPOCH when that is set, and with the time of
# packaging otherwise. Unless the caller chose a time, the package takes the time of the commit
# its sources are at, so that one commit always gives the same bytes; a source tree without its
# history takes the date of the changelog's latest entry, as Debian's own package builds do.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()

# Only the sources' own history counts, not that of a checkout they were unpacked into.
set(epoch "")
execute_process(COMMAND git -C "${CPACK_PELORA_SOURCE_DIR}" rev-parse --show-toplevel
    RESULT_VARIABLE status OUTPUT_VARIABLE top ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REAL_PATH "${CPACK_PELORA_SOURCE_DIR}" sources)
if(status STREQUAL "0" AND top STREQUAL sources)
    execute_process(COMMAND git -C "${CPACK_PELORA_SOURCE_DIR}" log -1 --format=%ct
        OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    # The first trailer line: " -- Name <address>  Thu, 10 Dec 2026 12:00:00 +0000".
    file(STRINGS "${CPACK_PELORA_SOURCE_DIR}/packaging/changelog" trailer
        REGEX "^ -- .*>  " LIMIT_COUNT 1)
    string(REGEX REPLACE "^ -- .*>  " "" date "${trailer}")
    execute_process(COMMAND date -u -d "${date}" +%s
        RESULT_VARIABLE status OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status STREQUAL "0" OR NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "Pelora: no date for the package, neither from git nor from "
            "packaging/changelog ('${date}'); set SOURCE_DATE_EPOCH")
    endif()
endif()
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
