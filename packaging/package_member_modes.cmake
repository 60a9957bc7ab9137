# Run by cpack once it has made the package (CPACK_POST_BUILD_SCRIPTS). A .deb is an ar archive
# of three members whose headers each carry a file mode; CPack copies it from the temporary file
# it wrote, so from the builder's umask, and two builders with different umasks would make
# different bytes. dpkg-deb always writes 100644: every member's mode is set to that here. The
# rest of each header (name, date, owner, size) is left as CPack wrote it.
cmake_minimum_required(VERSION 3.25)

set(header_size 60)
set(debian_mode "100644  ")

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${package}" package_size)
    file(READ "${package}" magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${package} is not an ar archive")
    endif()
    set(offset 8)
    while(offset LESS package_size)
        # name 16, date 12, owner 6, group 6, mode 8, size 10, then the two bytes "`\n".
        file(READ "${package}" header OFFSET ${offset} LIMIT ${header_size})
        string(SUBSTRING "${header}" 58 2 end_mark)
        if(NOT end_mark STREQUAL "`\n")
            message(FATAL_ERROR "${package}: no ar member header at byte ${offset}")
        endif()
        string(SUBSTRING "${header}" 40 8 mode)
        string(SUBSTRING "${header}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        if(NOT mode STREQUAL debian_mode)
            math(EXPR mode_offset "${offset} + 40")
            execute_process(
                COMMAND printf "%s" "${debian_mode}"
                COMMAND dd "of=${package}" bs=1 seek=${mode_offset} conv=notrunc status=none
                RESULT_VARIABLE status)
            if(NOT status STREQUAL "0")
                message(FATAL_ERROR "${package}: cannot write the mode at byte ${mode_offset}")
            endif()
        endif()
        # Members start on even bytes.
        math(EXPR offset "${offset} + ${header_size} + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
