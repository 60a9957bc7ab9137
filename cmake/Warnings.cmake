# Warnings for every target of the project, linked PRIVATE so they never leak to users.
add_library(pelora_warnings INTERFACE)
add_library(Pelora::warnings ALIAS pelora_warnings)
target_compile_options(pelora_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Woverloaded-virtual -Wold-style-cast -Wcast-align
    -Wnull-dereference -Wdouble-promotion -Wimplicit-fallthrough
    $<$<BOOL:${PELORA_WARNINGS_AS_ERRORS}>:-Werror>)
