# hushwave_embed(TARGET NAME symbol FILES file...)
# Builds the files into TARGET; the program finds each by its file name without folders through
# FindEmbeddedResource() (platform/forms/EmbeddedResources.h). NAME is a C identifier unique in
# the program; it names the table's anchor, which is kept by the linker even when TARGET is a
# static library that nothing else references. Relative file paths are taken from the current
# source folder. TARGET must use the keyword forms of target_link_libraries.
function(hushwave_embed target)
    cmake_parse_arguments(E "" "NAME" "FILES" ${ARGN})
    if(NOT E_NAME MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
        message(FATAL_ERROR "hushwave_embed(${target}): NAME must be a C identifier, not '${E_NAME}'")
    endif()
    if(NOT E_FILES)
        message(FATAL_ERROR "hushwave_embed(${target}): no FILES given")
    endif()
    set(anchor hushwave_embedded_${E_NAME})
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_${E_NAME}_embedded.cpp)
    set(names)
    set(arguments)
    set(paths)
    foreach(file IN LISTS E_FILES)
        get_filename_component(path ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        get_filename_component(name ${file} NAME)
        if(name IN_LIST names)
            message(FATAL_ERROR "hushwave_embed(${target}): two files are named '${name}'")
        endif()
        list(APPEND names ${name})
        list(APPEND arguments ${name} ${path})
        list(APPEND paths ${path})
    endforeach()
    add_custom_command(OUTPUT ${output}
        COMMAND hushwave_embed_resources ${output} ${anchor} ${arguments}
        DEPENDS hushwave_embed_resources ${paths}
        COMMENT "Embedding ${names} in ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
    target_link_libraries(${target} PRIVATE platform_forms)
    target_link_options(${target} INTERFACE "LINKER:--undefined=${anchor}")
endfunction()
