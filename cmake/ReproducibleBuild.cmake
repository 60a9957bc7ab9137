# The same sources give the same program wherever they are checked out and built: the compiler
# writes the source and build folders' paths into the debug information and into __FILE__, and
# the linker's build id, which stripping keeps, hashes them. Both are written relative instead:
# the source folder as ".", the build folder as "build" (named last, so that it wins when the build
# folder lies inside the source folder).
include(CheckCXXCompilerFlag)

check_cxx_compiler_flag(-ffile-prefix-map=a=b pelora_has_file_prefix_map)
if(pelora_has_file_prefix_map)
    add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
        "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
endif()
