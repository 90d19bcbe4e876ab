# Embeds a plug-in description XML file in a library target, where a host
# looks for it: the ELF section .gmpxml on Linux, the resource GMPXML 1 on
# Windows. The caller's top level enables the ASM or RC language.
set(ZU_EMBED_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/../resources)

function(zu_embed_description target description)
    set(ZU_DESCRIPTION_FILE ${description})
    if(WIN32)
        set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_description.rc)
        configure_file(${ZU_EMBED_TEMPLATES}/plugins.rc.in ${generated} @ONLY)
    else()
        set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_description.S)
        configure_file(${ZU_EMBED_TEMPLATES}/plugins_section.S.in ${generated} @ONLY)
    endif()
    target_sources(${target} PRIVATE ${generated})
    set_source_files_properties(${generated} PROPERTIES OBJECT_DEPENDS ${description})
endfunction()
