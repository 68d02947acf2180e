# Every target of ours gets the same warnings; CI turns them into errors.
function(tessarine_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                           -Wnon-virtual-dtor -Wconversion -Wno-sign-conversion)
  if(TESSARINE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Qt targets: every conversion between Qt strings and bytes must be explicit,
# so Shift-JIS bytes never slip into a QString by accident.
function(tessarine_qt_defaults target)
  tessarine_target_defaults(${target})
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                               QT_NO_CAST_FROM_BYTEARRAY)
endfunction()
