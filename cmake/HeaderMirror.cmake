# The sources are grouped in subsystem folders (src/widgets, platform/controls, ...) but their
# headers install flattened (see Install.cmake), and headers include each other as installed:
# by bare name within a layer, and the platform's as "platform/Name.h". The build tree keeps
# the same rule with a mirror of the installed layout: one symbolic link per header, made at
# configure time, in a folder that goes on the target's public include path. A header added
# anywhere below the source folder (CONFIGURE_DEPENDS) reconfigures and gets its link.

# Lists every source and header below `source_dir` into `out_sources`, and links each header
# into `mirror_dir` (a folder of the build tree, emptied first so moved headers leave no stale
# link). Two headers with one name would collide once installed, so that stops the configure.
# `out_dirs` gets every folder holding a header: the target's own sources, and the moc files
# made from its headers, include by bare name across folders and need them on their private
# include path.
function(nequoraui_mirror_headers source_dir mirror_dir out_sources out_dirs)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${source_dir}/*.cpp ${source_dir}/*.h)
    file(REMOVE_RECURSE ${mirror_dir})
    file(MAKE_DIRECTORY ${mirror_dir})
    set(dirs "")
    foreach(source ${sources})
        if(NOT source MATCHES "\\.h$")
            continue()
        endif()
        get_filename_component(name ${source} NAME)
        get_filename_component(dir ${source} DIRECTORY)
        list(APPEND dirs ${dir})
        if(EXISTS ${mirror_dir}/${name})
            file(READ_SYMLINK ${mirror_dir}/${name} other)
            message(FATAL_ERROR "Two headers named ${name} install to one place: ${other} and ${source}")
        endif()
        file(CREATE_LINK ${source} ${mirror_dir}/${name} SYMBOLIC)
    endforeach()
    list(REMOVE_DUPLICATES dirs)
    set(${out_sources} ${sources} PARENT_SCOPE)
    set(${out_dirs} ${dirs} PARENT_SCOPE)
endfunction()
