# Common settings of every target of the project: warnings as errors, and hidden symbols
# for component libraries, whose only exports are their entry points.

# Without -fno-gnu-unique, inline variables of the standard library compiled into a
# component become unique symbols, and dlclose cannot unload the component.
add_compile_options(-fno-gnu-unique)

function(quenmoor_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor -Werror)
endfunction()

# A component library: loaded with dlopen by the runtime, named without the "lib" prefix,
# exporting only what is marked QUENMOOR_EXPORT.
function(quenmoor_component target)
    add_library(${target} MODULE ${ARGN})
    set_target_properties(${target} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden
                                               VISIBILITY_INLINES_HIDDEN ON)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
    quenmoor_warnings(${target})
endfunction()
