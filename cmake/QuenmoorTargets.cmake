# Common settings of every target of the project: its warnings, and hidden symbols for the
# libraries that end up inside a component, whose only exports are its entry points.

# Without -fno-gnu-unique, inline variables of the standard library compiled into a
# component become unique symbols, and dlclose cannot unload the component. Clang makes
# no unique symbols and has no such option.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-fno-gnu-unique)
endif()

# Warnings are errors only where the project builds itself (its presets and CI): another
# compiler, or a newer one, must not break a build that someone else configures.
function(quenmoor_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor)
    if(QUENMOOR_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# A static library of the project: the repository root as its include folder, hidden
# symbols (it is linked into components and programs that export only what they mark) and
# the project's warnings. AUTOMOC for a library with Qt classes.
function(quenmoor_library target)
    cmake_parse_arguments(PARSE_ARGV 1 library "AUTOMOC" "" "")
    add_library(${target} STATIC ${library_UNPARSED_ARGUMENTS})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                               VISIBILITY_INLINES_HIDDEN ON)
    if(library_AUTOMOC)
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
    endif()
    quenmoor_warnings(${target})
endfunction()

# A component library: loaded with dlopen by the runtime, named without the "lib" prefix,
# exporting only what is marked QUENMOOR_EXPORT. With SERVER, the library serves the
# classes of its ServerModule: the runtime's server_entry_points.cpp gives it the entry
# points over the table its quenmoor::com::thisServer() returns.
function(quenmoor_component target)
    cmake_parse_arguments(PARSE_ARGV 1 component "SERVER" "" "")
    add_library(${target} MODULE ${component_UNPARSED_ARGUMENTS})
    set_target_properties(${target} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden
                                               VISIBILITY_INLINES_HIDDEN ON)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
    if(component_SERVER)
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/com/server_entry_points.cpp)
        target_link_libraries(${target} PRIVATE quenmoorcom)
    endif()
    quenmoor_warnings(${target})
endfunction()
