# The cursors and window artwork that tessarine-modelgen paints into
# TESSARINE_ART_DIR, built into a target as Qt resources under ":/art"
# (":/art/title.bmp", ":/art/cursors/cursors.txt", ...). The file list is
# read after the art is painted, so a new picture needs no change here.
set(TESSARINE_ART_QRC_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WriteArtQrc.cmake)

function(tessarine_embed_game_art target)
  if(NOT TESSARINE_ART_DIR)
    message(FATAL_ERROR "tools/modelgen must be configured before ${target} embeds its art")
  endif()
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/tessarine_art.qrc)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/qrc_tessarine_art.cpp)
  add_custom_command(
    OUTPUT ${source}
    BYPRODUCTS ${qrc}
    COMMAND ${CMAKE_COMMAND} -DART_DIR=${TESSARINE_ART_DIR} -DQRC=${qrc} -P ${TESSARINE_ART_QRC_SCRIPT}
    COMMAND Qt6::rcc --name tessarine_art --output ${source} ${qrc}
    DEPENDS tessarine_art ${TESSARINE_ART_DIR}/cursors/cursors.txt ${TESSARINE_ART_QRC_SCRIPT} Qt6::rcc
    COMMENT "Building the window artwork into resources"
    VERBATIM)
  set_source_files_properties(${source} PROPERTIES SKIP_AUTOMOC ON SKIP_AUTOUIC ON)
  target_sources(${target} PRIVATE ${source})
endfunction()
