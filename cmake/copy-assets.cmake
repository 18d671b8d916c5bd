# Copies the shipped assets beside the executable. The roster in Data is the
# player's once it is there (the editor writes it), so it is copied only when
# missing; careers and histories beside it are never touched.
file(GLOB_RECURSE shipped RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS shipped)
    if(f STREQUAL "Data/Stats.dat" AND EXISTS "${DST}/${f}")
        continue()
    endif()
    get_filename_component(dir "${DST}/${f}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(COPY_FILE "${SRC}/${f}" "${DST}/${f}" ONLY_IF_DIFFERENT)
endforeach()
