# Include roots that show a target only the folders it may use.
#
# Sources name headers by their path from the top of the tree
# ("host/run/WavFile.h"), so a target whose include path holds the top of the
# tree can include anything. Each layer is given a root of its own in the
# build tree instead, holding links to its own folders only, and passes it on
# to whatever links it. A target thus sees the folders of the targets it
# links and nothing else: an include that points the wrong way, or reaches a
# layer the target does not link, fails to compile with "No such file".
#
# zu_include_root(TARGET SCOPE FOLDER...): FOLDERs are paths from the top of
# the tree; SCOPE is PUBLIC, or INTERFACE for an interface target.
function(zu_include_root target scope)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
    foreach(folder IN LISTS ARGN)
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
