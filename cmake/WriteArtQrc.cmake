# cmake -DART_DIR=... -DQRC=... -P WriteArtQrc.cmake: a resource list of every
# file under ART_DIR, in sorted order so the resources come out the same.
file(GLOB_RECURSE files RELATIVE ${ART_DIR} ${ART_DIR}/*)
list(SORT files)
set(text "<RCC>\n  <qresource prefix=\"/art\">\n")
foreach(file ${files})
  string(APPEND text "    <file alias=\"${file}\">${ART_DIR}/${file}</file>\n")
endforeach()
string(APPEND text "  </qresource>\n</RCC>\n")
file(WRITE ${QRC} "${text}")
