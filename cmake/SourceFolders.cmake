# The folders of the rules core, one list for src/ and for tests/, which
# mirrors them. A folder that is missing or empty adds no sources.
set(TESSARINE_CORE_DIRS platform world actors activemap save village anim scene)

# tessarine_glob_sources(<out> <root> <folder>...): the .cpp files directly in
# each folder under root.
function(tessarine_glob_sources out root)
  set(sources)
  foreach(dir ${ARGN})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${root}/${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
