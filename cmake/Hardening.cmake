# The hardening Debian builds its packages with (dpkg-buildflags, hardening=+all), for every target
# and so for the program and all the code linked into it, in whatever way the tree is configured:
# a position-independent executable, so that the loader can place it anywhere; stack protector
# canaries in every function with a local array or address taken; a probed stack, so that a
# large frame cannot jump over the guard page; control-flow protection where the processor has
# it (Intel's CET on amd64, -fcf-protection; pointer authentication and branch target
# identification on arm64, -mbranch-protection=standard, as Debian's branch hardening gives them;
# each compiler takes only its own); checked string and memory functions (_FORTIFY_SOURCE) where
# optimising; and the relocation tables made read-only after start-up, every symbol bound at
# start-up (full RELRO, BIND_NOW).
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

check_pie_supported(OUTPUT_VARIABLE pie_report LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The compiler cannot link a position-independent executable: ${pie_report}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection -mbranch-protection=standard)
    string(MAKE_C_IDENTIFIER "pelora_has${flag}" result)
    check_cxx_compiler_flag(${flag} ${result})
    if(${result})
        add_compile_options(${flag})
    endif()
endforeach()

# The checked functions need the optimiser to see the sizes (glibc warns without it), and
# AddressSanitizer checks the same calls more closely, from its own versions of them. A packager
# whose flags already choose a level keeps it.
# PELORA_FORTIFIED tells the packaging tests whether to expect the checked functions.
set(PELORA_FORTIFIED ON)
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=[^ ]*address")
    set(PELORA_FORTIFIED OFF)
elseif(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()

check_linker_flag(CXX "LINKER:-z,relro,-z,now" pelora_has_bind_now)
if(NOT pelora_has_bind_now)
    message(FATAL_ERROR "The linker cannot make the relocations read-only (-z relro -z now)")
endif()
add_link_options(LINKER:-z,relro,-z,now)
