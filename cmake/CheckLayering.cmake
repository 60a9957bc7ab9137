# Fails when a source file of a module includes a header of a module it may not use, naming the
# file, the line and the rule; docs/ARCHITECTURE.md ("Who may use whom") says why the rules are
# these. Every target exports the whole source root as its include path, so the compiler cannot
# tell; this check does. Run by ctest (Layering.Includes, layer unit) and by hand:
#   cmake -DSOURCE_DIR=<repository root> -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.25)

# Module folders, the more specific first: a file belongs to the first folder its path starts with.
set(modules facts assets motion draw stage app)
set(folder_facts "assets/facts/")
set(folder_assets "assets/")
set(folder_motion "motion/")
set(folder_draw "draw/")
set(folder_stage "stage/")
set(folder_app "app/")

# The modules each module may include, itself aside.
set(uses_motion "")
set(uses_facts motion)
set(uses_draw motion facts)
set(uses_stage motion facts assets)
set(uses_assets "")
set(uses_app draw stage motion facts assets)

# Modules that must build without Qt: no Qt header at all.
set(qt_free motion facts draw)

function(module_of path result)
    foreach(module IN LISTS modules)
        string(FIND "${path}" "${folder_${module}}" at)
        if(at EQUAL 0)
            set(${result} ${module} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} "" PARENT_SCOPE)
endfunction()

# The repository path of a quoted include: next to the including file first, as the compiler
# looks, then from the source root. Empty for a header outside the repository or a generated one.
function(resolve_include including included result)
    get_filename_component(folder "${including}" DIRECTORY)
    foreach(candidate "${folder}/${included}" "${included}")
        get_filename_component(absolute "${SOURCE_DIR}/${candidate}" ABSOLUTE)
        if(EXISTS "${absolute}")
            file(RELATIVE_PATH relative "${SOURCE_DIR}" "${absolute}")
            set(${result} "${relative}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${result} "" PARENT_SCOPE)
endfunction()

set(violations "")
set(checked 0)
foreach(module IN LISTS modules)
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
        "${SOURCE_DIR}/${folder_${module}}*.h" "${SOURCE_DIR}/${folder_${module}}*.cpp"
        "${SOURCE_DIR}/${folder_${module}}*.in")
    foreach(source IN LISTS sources)
        module_of("${source}" owner)
        if(NOT owner STREQUAL module)
            continue()
        endif()
        math(EXPR checked "${checked} + 1")
        file(READ "${SOURCE_DIR}/${source}" content)
        # One list element per line, empty lines kept: characters that CMake lists treat
        # specially are neutralised first (none of them matters in an include line).
        string(REPLACE "\\" "/" content "${content}")
        string(REPLACE "[" "(" content "${content}")
        string(REPLACE "]" ")" content "${content}")
        string(REPLACE ";" "," content "${content}")
        string(REPLACE "\n" ";" lines "${content}")
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]+)[>\"]")
                continue()
            endif()
            set(delimiter "${CMAKE_MATCH_1}")
            set(included "${CMAKE_MATCH_2}")
            if(module IN_LIST qt_free AND included MATCHES "^Qt|^Q[A-Z]")
                list(APPEND violations
                    "${source}:${number}: includes <${included}>: ${module}/ builds without Qt")
                continue()
            endif()
            if(delimiter STREQUAL "<")
                continue()
            endif()
            resolve_include("${source}" "${included}" target)
            if(target STREQUAL "")
                continue()
            endif()
            module_of("${target}" used)
            if(used STREQUAL "" OR used STREQUAL module OR used IN_LIST uses_${module})
                continue()
            endif()
            list(APPEND violations
                "${source}:${number}: includes \"${included}\": ${module} may not use ${used}")
        endforeach()
    endforeach()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "No source file found under ${SOURCE_DIR}")
endif()
if(violations)
    list(JOIN violations "\n  " lines)
    message(FATAL_ERROR "Includes across a forbidden module boundary:\n  ${lines}\n"
        "See \"Who may use whom\" in docs/ARCHITECTURE.md.")
endif()
message(STATUS "${checked} source files, every include within its module's rules")
