# Manual pages made from each program's --help and --version by help2man,
# gzip'd for share/man/man1. Without help2man, and in sanitizer builds, the
# pages are left out.
find_program(TIDEWELL_HELP2MAN help2man)
if(NOT TIDEWELL_HELP2MAN)
  message(WARNING "help2man not found: the manual pages are not built")
endif()

function(tidewell_man_page target summary)
  if(NOT TIDEWELL_HELP2MAN OR TIDEWELL_SANITIZE)
    return()
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${target}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${TIDEWELL_HELP2MAN} --no-info --section=1 --name=${summary} --output=${page}
            $<TARGET_FILE:${target}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${target}
    COMMENT "Writing the manual page of ${target}"
    VERBATIM)
  add_custom_target(${target}-man ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
