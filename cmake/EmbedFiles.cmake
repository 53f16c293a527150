# embed_files(TARGET target NAMESPACE ns FILES name=path ...)
# Generates, at build time, a C++ source that holds each file as a raw byte array
#   extern const std::string_view <name>;   (in namespace ns)
# and adds it to target. The data files are the only copy: nothing is kept by hand in source.
function(embed_files)
    cmake_parse_arguments(ARG "" "TARGET;NAMESPACE;OUTPUT" "FILES" ${ARGN})
    set(out "${CMAKE_CURRENT_BINARY_DIR}/${ARG_OUTPUT}")
    set(names "")
    set(paths "")
    foreach(entry IN LISTS ARG_FILES)
        string(REPLACE "=" ";" pair "${entry}")
        list(GET pair 0 name)
        list(GET pair 1 path)
        get_filename_component(path "${path}" ABSOLUTE)
        list(APPEND names "${name}")
        list(APPEND paths "${path}")
    endforeach()
    string(REPLACE ";" "," names_arg "${names}")
    string(REPLACE ";" "," paths_arg "${paths}")
    add_custom_command(
        OUTPUT "${out}"
        COMMAND ${CMAKE_COMMAND} "-DNAMES=${names_arg}" "-DPATHS=${paths_arg}"
                "-DNAMESPACE=${ARG_NAMESPACE}" "-DOUTPUT=${out}"
                -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
        DEPENDS ${paths} "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
        COMMENT "Embedding ${names}"
        VERBATIM)
    target_sources(${ARG_TARGET} PRIVATE "${out}")
endfunction()
