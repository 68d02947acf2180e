# The folders of the rules core, one list for src/ and for tests/, which
# mirrors them. A folder that is missing or empty adds no sources.
set(TESSARINE_CORE_DIRS platform world actors activemap save village anim scene)
# The game's assembly (application controller, dungeon operator, game loop):
# no Qt either.
set(TESSARINE_GAME_DIRS shell)
# The Qt side: windows, the Qt platform layer and the OpenGL engine. The check
# that nothing else includes Qt (CheckNoQtInCore.cmake) reads this list too.
set(TESSARINE_QT_DIRS shell/qt platform/qt scene/gl actors/qt village/qt save/qt)

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
