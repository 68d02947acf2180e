# Fails when a source of the rules core or the game's assembly includes Qt:
# only the Qt windows, the Qt platform layer and the OpenGL engine may.
# Run with: cmake -DSOURCE_DIR=<src> "-DQT_DIRS=<the Qt folders>" -P CheckNoQtInCore.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
list(JOIN QT_DIRS "|" qt_folders)
set(offenders)
foreach(source ${sources})
  if(source MATCHES "^(${qt_folders})/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
  if(qt_includes)
    list(APPEND offenders "${source}: ${qt_includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listed)
  message(FATAL_ERROR "Qt included outside the Qt side:\n  ${listed}")
endif()
